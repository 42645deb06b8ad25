#pragma once
// The controls of the dialog windows that the system has no class for:
// pictures and frames painted by their window, labels that show what lies
// behind them, group boxes and panels that hand their children's messages on
// to the window, and speed buttons that never take the focus.
#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/gdi.h"
#include "toolkit/twindow.h"
#include "core/clicktracker.h"

namespace zv {

// Paints what lies behind a transparent child, in the child's coordinates.
class tbackground {
 public:
  virtual ~tbackground() = default;
  virtual void PaintBackground(HDC dc, HWND child) = 0;
};

// A picture or frame without a window of its own: its window paints it and
// passes clicks on.
class tgraphic {
 public:
  virtual ~tgraphic() = default;
  virtual void Paint(HDC dc) const = 0;
  bool Contains(POINT p) const { return Visible && PtInRect(&Bounds, p); }

  RECT Bounds = {};    // in pixels
  RECT Designed = {};  // the same at 96 DPI, where the form placed it
  bool Visible = true;
  bool HandCursor = false;
  std::function<void()> OnClick;
};

class timage : public tgraphic {
 public:
  enum class tdrawing { Natural, Centred, Stretched };
  ~timage() override;
  // The image owns what it is given.
  void SetIcon(HICON icon, int size);
  void SetBitmap(HBITMAP bitmap, bool alpha);
  void Paint(HDC dc) const override;
  void MoveTo(int left, int top);
  HICON Icon() const { return icon_; }
  bool HasPicture() const { return icon_ || bitmap_; }

  tdrawing Drawing = tdrawing::Natural;

 private:
  SIZE PictureSize() const;
  HICON icon_ = nullptr;
  int iconSize_ = 0;
  tbitmap bitmap_;
  bool alpha_ = false;
};

// A rectangle with a black frame and a white inside.
class tshape : public tgraphic {
 public:
  void Paint(HDC dc) const override;
};

// A label: text in its own font or its window's, optionally transparent,
// word-wrapped, vertically centred and clickable (it sends STN_CLICKED for a
// press and a release on it).
// With AutoSize it takes the size of its text; without, it still grows to
// fit a single line that a substitute font made wider.
class tlabel : public twindow {
 public:
  static constexpr const char* ClassName = "TZvLabel";
  tlabel(tbackground& background) : background_(background) {}
  bool Create(HWND parent, int id, const std::string& text, int x, int y, int w, int h);
  void SetFont(HFONT font);
  void SetText(const std::string& text);
  // The designed box in pixels (after a change of DPI); AutoSize labels
  // take their text's size all the same.
  void SetBox(int w, int h);
  std::string Text() const { return text_; }
  void FitToText();
  // Makes it a command link: Tab stops at it, Enter and Space run it, and
  // while it has the focus a focus rectangle frames its text (unless the
  // system hides keyboard cues). Its access key ("&" in the text) is marked
  // under its underline only while keyboard cues show; accessibility tools
  // read it as a link. Before that it looks as it always did.
  void MakeLink();
  bool IsLink() const { return link_; }

  bool AutoSize = true;
  bool WordWrap = false;
  bool Transparent = true;
  bool CentreVertically = false;
  bool HandCursor = false;
  // Shows every "&" as it is: a text of the user's (a caption in a status
  // line), which has no access key.
  bool PlainText = false;
  COLORREF Colour = RGB(0, 0, 0);  // as in light mode; see TextColour
  HWND FocusControl = nullptr;  // where its access key sends the focus

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  UINT Format() const;
  COLORREF TextColour() const;
  // The mark under the access key's letter, in the text's colour.
  void DrawAccessKeyCue(HDC dc, const RECT& box) const;
  tbackground& background_;
  std::string text_;
  HFONT font_ = nullptr;
  int width_ = 0, height_ = 0;
  tclicktracker click_;
  bool link_ = false;
};

// A group box (etched frame with its caption) or a borderless panel, white.
class tcontainer : public twindow, public tbackground {
 public:
  static constexpr const char* GroupBoxClass = "TZvGroupBox";
  static constexpr const char* PanelClass = "TZvPanel";
  bool Create(HWND parent, bool groupBox, const std::string& caption, int x, int y, int w, int h);
  void SetFont(HFONT font);
  void PaintBackground(HDC dc, HWND child) override;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  bool groupBox_ = false;
  std::string caption_;
  HFONT font_ = nullptr;
};

// A flat push button with a glyph that sends BN_CLICKED and leaves the focus
// where it was.
class tspeedbutton : public twindow {
 public:
  static constexpr const char* ClassName = "TZvSpeedButton";
  ~tspeedbutton() override;
  bool Create(HWND parent, int id, int x, int y, int w, int h);
  void SetGlyph(HBITMAP alphaBitmap);  // owned

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Paint(HDC dc);
  tbitmap glyph_;
  tclicktracker click_;
  bool pressed_ = false;  // drawn pushed
};

// A press, release or lost capture of the left button (msg) over target on
// wnd (null: nothing that clicks): true when it completes a click there.
bool TrackClick(HWND wnd, tclicktracker& click, const void* target, UINT msg);

// Draws a 32-bit premultiplied bitmap at (x, y) in its natural size.
void DrawAlphaBitmap(HDC dc, HBITMAP bitmap, int x, int y);

// The pixel size of a text in a font (the text's access-key ampersands
// taken into account unless noPrefix).
SIZE MeasureText(HFONT font, const std::string& text, bool noPrefix = false);

}  // namespace zv

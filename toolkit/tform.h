#pragma once
// The dialog windows' base: a modal form of an exact client size, centred,
// with a fixed single border and only the system menu; white, in the dialog
// font with its fallback; the grey band at the left, the program's icon with
// the title lettering beside it, and commands as link labels with a picture
// that does the same. The form sees key presses before its controls.
// Every position, size and font height a form is given is a figure for 96
// DPI; the form shows it in pixels for the DPI of its monitor, and lays
// itself out again when it moves to a monitor of another DPI.
#include <windows.h>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/dpi.h"
#include "toolkit/tcontrols.h"
#include "toolkit/twindow.h"
#include "core/fontman.h"

namespace zv {

enum class tmodalresult { None, OK, Cancel };

inline constexpr COLORREF LinkColour = RGB(0, 0, 128);  // navy

class tform : public twindow, public tbackground {
 public:
  // formClass is also the window class, so other programs find the window.
  // The client size is for 96 DPI.
  tform(std::string formClass, std::string caption, int clientWidth, int clientHeight);
  ~tform() override;

  // Before CreateForm: lay the form out for this DPI rather than for its
  // monitor's (0: the monitor's again). WM_DPICHANGED still moves it on.
  void UseDpi(int dpi) { forcedDpi_ = dpi; }
  int Dpi() const { return scale_.Dpi(); }
  // A 96-DPI figure in pixels for the form's DPI.
  int Scaled(int figure) const { return scale_(figure); }
  const tdpiscale& Scale() const { return scale_; }

  // Creates the window (hidden), its controls and runs FormCreate.
  bool CreateForm();
  // Shows the form and runs its message loop until Close; disables the
  // thread's other windows meanwhile. WM_QUIT ends it as Cancel and is posted
  // again for the outer loop; an error from a handler ends it and is thrown
  // on once the form is hidden again.
  tmodalresult ShowModal();
  // Ends the modal loop (the window stays until the form is destroyed).
  void Close(tmodalresult result = tmodalresult::Cancel);
  tmodalresult ModalResult() const { return modalResult_; }

  void PaintBackground(HDC dc, HWND child) override;
  HFONT FormFont() const { return formFont_.Get(); }
  const tformfonts& Fonts() const { return fonts_; }

 protected:
  virtual void BuildControls() {}
  virtual void FormCreate() {}
  virtual void FormShow() {}
  // Key preview of typed characters: set key to 0 to consume it.
  virtual void FormKeyPress(char& key) { (void)key; }
  // Messages the form itself does not handle.
  virtual LRESULT FormMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Key preview of key strokes (with Alt too), before the focused control:
  // true consumes it.
  virtual bool FormKeyDown(WPARAM virtualKey) { (void)virtualKey; return false; }
  // The close button and the system menu's Close ask this first.
  virtual bool FormCloseQuery() { return true; }
  // After the form has been laid out again for a new DPI (fonts, controls,
  // pictures): what the form placed or measured itself is done again here.
  virtual void FormDpiChanged() {}
  // After the form's own handling of WM_ACTIVATE (the focus given back).
  virtual void FormActivate(bool active) { (void)active; }
  // After the colour mode has been applied to the window and its controls,
  // at creation and at each change.
  virtual void FormColourModeChanged() {}

  // Before CreateForm: a sizing border and the maximise box, and the least
  // outer size the user may drag it to at 96 DPI (at others: the client
  // area it leaves there, scaled, in the window's frame).
  void SetSizeable(int minOuterWidth, int minOuterHeight);
  DWORD FormStyle() const;
  // Before CreateForm: the small caption of a tool window, and no button on
  // the taskbar.
  void SetToolWindow() { toolWindow_ = true; }
  DWORD FormExStyle() const { return WS_EX_CONTROLPARENT | (toolWindow_ ? WS_EX_TOOLWINDOW : 0); }
  // An error caught outside the form's own handlers (a subclassed control's):
  // ends the modal loop and is thrown on like the form's own.
  void Fail(std::exception_ptr error);

  // The font fallback over the screen's families; makes the fonts again and
  // fits the labels to them.
  void ApplyFontFallback();

  // A control's place, given at 96 DPI relative to its parent, in pixels;
  // it keeps that place when the DPI changes.
  void PlaceControl(HWND control, int x, int y, int w, int h);
  // A picture from the program's resources at the form's DPI, again after
  // a change: an icon of a 96-DPI size, or a bitmap drawn for the scale.
  void SetIconPicture(timage& image, int iconId, int size);
  void SetBitmapPicture(timage& image, int bitmapId, bool alpha);

  // --- building: children of parent (null: the form itself), at 96 DPI
  timage& AddImage(int x, int y, int w, int h);
  tshape& AddShape(int x, int y, int w, int h);
  tlabel& AddLabel(HWND parent, const std::string& name, const std::string& text, int x, int y,
                   int w = 0, int h = 0);
  // A label with a font of its own (the dialog face, as described).
  tlabel& AddOwnFontLabel(HWND parent, const std::string& name, const std::string& text, int x, int y,
                          int w, int h, const tfontdescription& font);
  tcontainer& AddGroupBox(HWND parent, const std::string& caption, int x, int y, int w, int h);
  tcontainer& AddPanel(HWND parent, int x, int y, int w, int h);
  tspeedbutton& AddSpeedButton(HWND parent, int x, int y, int w, int h);
  HWND AddControl(HWND parent, const char* windowClass, const std::string& text, DWORD style,
                  DWORD exStyle, int x, int y, int w, int h);
  // Handlers by control: WM_COMMAND notifications and owner drawing.
  void OnCommand(HWND control, std::function<void(int code)> handler);
  void OnCommand(tlabel& label, std::function<void()> click);
  void OnDrawItem(HWND control, std::function<void(const DRAWITEMSTRUCT&)> handler);

  // --- the shared look
  // The band (stretched ramp), zvimg at (8, 8) and the title picture.
  void AddDialogLook(int bandWidth, int titleBitmap, int titleWidth, int titleHeight);
  // zvimg gets the program's icon; the title goes 40 right of and 16 below it.
  void ShowIconAndTitle();
  // A command: the picture (24 x 16, centred) at (4, y) and the link label
  // at (28, y), both running click; the picture goes to *picture if given.
  tlabel& AddLinkCommand(const std::string& name, const std::string& text, int y, int labelWidth,
                         int pictureIcon, int pictureBitmap, bool bold, std::function<void()> click,
                         timage** picture = nullptr);

  timage* leftimg = nullptr;
  timage* zvimg = nullptr;
  timage* titleimg = nullptr;

 private:
  tcontainer& AddContainer(HWND parent, bool framed, const std::string& caption, int x, int y, int w, int h);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) final;
  LRESULT FormProc(UINT msg, WPARAM wp, LPARAM lp);
  SIZE OuterSize() const;
  POINT LeastOuterSize() const;
  // Sizes the window so that its client area is w x h pixels.
  void FitClient(int w, int h);
  void ChangeDpi(int dpi, const RECT* suggested);
  void ReloadPictures();
  void Remember(HWND control, const RECT& designed);
  bool PreviewMessage(MSG& msg);
  bool LabelAccessKey(char key);
  // Each link without an access key gets the first letter of its text that
  // no other label, control or link of the form has for its key.
  void GiveLinksAccessKeys();
  // Shows (UIS_CLEAR) or hides the keyboard cues of the form and its
  // controls, as WM_CHANGEUISTATE does.
  void ChangeCues(WORD action, WORD cues);
  // The label of wnd when it is a link of this form; null otherwise.
  const tlabel* LinkOf(HWND wnd) const;
  // Where the focus goes when the window opens: the first control in the
  // Tab order that is not a link; null for a window of links alone.
  HWND FirstFocus() const;
  void RealizeFonts();
  void FitToFonts();
  void PaintGraphics(HDC dc, const RECT& area);
  // The colour mode on the title bar, the controls and the band.
  void ApplyColourMode();
  // A picture of the form for its DPI and colour mode.
  HBITMAP LoadPicture(const timage& image, int bitmapId) const;
  tgraphic* GraphicAt(POINT p);
  // The picture with a command under the mouse of a message, or null.
  tgraphic* ClickableAt(LPARAM lp);
  int NextId() { return nextId_++; }

  struct tplacement {
    HWND Control;
    RECT Designed;  // 96 DPI, in its parent
  };
  struct tpicture {
    timage* Image;
    int IconId, IconSize, BitmapId;
    bool Alpha;
  };

  std::string formClass_, caption_;
  int clientWidth_, clientHeight_;  // 96 DPI
  int forcedDpi_ = 0;
  tdpiscale scale_;
  std::vector<tplacement> placements_;
  std::vector<tpicture> pictures_;
  bool sizeable_ = false;
  bool toolWindow_ = false;
  SIZE minOuter_ = {0, 0};
  tformfonts fonts_;
  tfont formFont_;
  std::vector<tfont> ownFonts_;
  std::vector<std::unique_ptr<tgraphic>> graphics_;
  std::vector<std::unique_ptr<tlabel>> labels_;
  std::vector<int> labelComponent_;  // index in fonts_.Components, per label
  std::vector<std::unique_ptr<tcontainer>> containers_;
  std::vector<std::unique_ptr<tspeedbutton>> buttons_;
  std::vector<HWND> controls_;
  bool paletteBand_ = false;  // the band shows the palette's ramp
  bool tintedTitle_ = false;  // the title picture is in the palette's text colour
  std::map<int, std::function<void(int)>> commands_;
  std::map<int, std::function<void(const DRAWITEMSTRUCT&)>> drawers_;
  int nextId_ = 100;
  tmodalresult modalResult_ = tmodalresult::None;
  bool modal_ = false;
  HWND savedFocus_ = nullptr;
  WORD wineCues_ = UISF_HIDEACCEL | UISF_HIDEFOCUS;  // see ChangeCues
  tclicktracker pictureClick_;
  std::exception_ptr error_;
};

// Text of a window (control).
std::string WindowTextOf(HWND wnd);
// Whether a window is of the class, by name in any letter case.
bool IsClassOf(HWND wnd, const char* name);

}  // namespace zv

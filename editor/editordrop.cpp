#include "editor/editordrop.h"

#include <algorithm>

#include "core/textutil.h"
#include "core/url.h"
#include "editor/editorgroups.h"

namespace zv {

namespace {

std::string FileNamePart(const std::string& path) {
  std::size_t cut = path.find_last_of("\\:");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

std::string CaptionFromFileName(const std::string& path) {
  std::string name = FileNamePart(path);
  if (name.empty()) return name;
  std::size_t i = name.size() - 1;
  while (i > 0 && name[i] != '.') --i;
  if (name[i] == '.') name.resize(i);
  return name;
}

std::string FileExtension(const std::string& path) {
  std::string name = FileNamePart(path);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string DirectoryOf(const std::string& path) {
  std::size_t cut = path.rfind('\\');
  if (cut == std::string::npos) return std::string();
  // "C:\" and "\" are roots: their backslash stays.
  if (cut == 0 || path[cut - 1] == ':' || path[cut - 1] == '\\') return path.substr(0, cut + 1);
  return path.substr(0, cut);
}

std::unique_ptr<tzvshortcut> ShortcutFromDroppedPath(const std::string& path, tdropfilequery& files,
                                                     const std::function<std::int32_t(const std::string&)>& iconIndex) {
  auto s = std::make_unique<tzvshortcut>();
  s->Path = path;
  s->Caption = CaptionFromFileName(path);
  if (!files.FileExists(path)) {
    s->ShortcutType = stFolder;
  } else {
    std::string ext = UpperAscii(FileExtension(path));
    // An Internet shortcut becomes the link it holds; one without a URL
    // stays a file.
    const std::string contents = ext == ".URL" ? files.ReadStart(path, MaxInternetShortcutBytes) : "";
    const std::string url = UrlOfInternetShortcut(contents);
    if (!url.empty()) {
      s->ShortcutType = stFile;
      s->Path = url;
      // Game launchers and the like name an icon file of their own.
      s->Icon = IconOfInternetShortcut(contents);
    } else if (ext == ".EXE" || ext == ".COM" || ext == ".BAT") {
      s->ShortcutType = stApplication;
      s->WorkingDir = DirectoryOf(path);
    } else {
      s->ShortcutType = stFile;
    }
  }
  // A link's picture is its protocol's, not that of the file it came in.
  s->ImageIndex = iconIndex ? iconIndex(s->Path) : 0;
  return s;
}

std::int32_t DropInsertPosition(const trowhit& hit, std::int32_t rowCount) {
  if (hit.Row < 0 || hit.Row >= rowCount) return rowCount;
  return hit.LowerHalf() ? hit.Row + 1 : hit.Row;
}

tdropplace DropPlace(const tzvshortcutlist& list, const trowhit& hit) {
  tdropplace place;
  const tzvshortcut* target = list.GetItem(hit.Row);
  if (hit.Row >= 0 && target && target->IsGroup() && hit.Onto()) {
    place.Into = hit.Row;
    place.Before = BlockEnd(list, hit.Row);
    place.Allowed = target->Level < 255;
    place.Level = place.Allowed ? static_cast<std::uint8_t>(target->Level + 1) : target->Level;
    return place;
  }
  place.Before = DropInsertPosition(hit, list.Count());
  place.Level = LevelAt(list, place.Before);
  return place;
}

tdropplace DragPlace(const tzvshortcutlist& list, std::int32_t source, const trowhit& hit) {
  tdropplace place = DropPlace(list, hit);
  const tzvshortcut* moving = list.GetItem(source);
  if (source < 0 || !moving) {
    place.Allowed = false;
    return place;
  }
  const std::int32_t end = BlockEnd(list, source);
  const bool inside = place.Into >= source && place.Into < end;
  if (moving->IsGroup() && (inside || (place.Before > source && place.Before < end))) {
    place.Allowed = false;
    place.IntoItself = true;
    return place;
  }
  int deepest = 0;
  for (std::int32_t i = source; i < end; ++i) deepest = std::max<int>(deepest, list.GetItem(i)->Level);
  if (deepest + place.Level - moving->Level > 255) place.Allowed = false;
  return place;
}

std::int32_t DragDestination(std::int32_t source, const trowhit& hit, std::int32_t rowCount) {
  if (source < 0 || source >= rowCount) return source;
  if (hit.Row == source) return source;
  if (hit.Row < 0 || hit.Row >= rowCount) return rowCount - 1;
  std::int32_t d = hit.Row;
  if (hit.Row < source) ++d;
  if (!hit.LowerHalf()) --d;
  return d;
}

std::string DescribeEntry(const tzvshortcut& entry) {
  if (entry.IsGroup()) return "group \"" + entry.Caption + "\"";
  if (entry.ShortcutType == stSeparator) return "separator";
  return "shortcut \"" + entry.Caption + "\"";
}

std::string DragOverText(const tzvshortcut& source, const tzvshortcut* target, bool lowerHalf, bool into) {
  std::string text = "Move " + DescribeEntry(source);
  if (!target) return text + " to last position...";
  if (into) return text + " into " + DescribeEntry(*target);
  return text + (lowerHalf ? " after " : " before ") + DescribeEntry(*target);
}

}  // namespace zv

#pragma once
// The folder tree of the content and the roots it hangs off.  Every content path is a root
// without a trailing backslash followed by a relative path that begins with one.
#include <QString>

namespace kg {

enum class Root { Data, Photo, Program };

struct ContentFolder {
    const char* relative; // "\kestranas\" …, as the program spells it
    Root root;
};

namespace folders {
inline constexpr ContentFolder Photos{"\\kestranas\\", Root::Photo};
inline constexpr ContentFolder ClipArt{"\\clipart\\", Root::Data};
inline constexpr ContentFolder EmbFront{"\\embfront\\", Root::Data};
inline constexpr ContentFolder EmbRear{"\\embrear\\", Root::Data};
inline constexpr ContentFolder EmbSide{"\\embside\\", Root::Data};
inline constexpr ContentFolder Scripts{"\\scripts\\", Root::Data};
inline constexpr ContentFolder Graphics{"\\graphics\\", Root::Data};
inline constexpr ContentFolder Ads{"\\ads\\", Root::Data};
inline constexpr ContentFolder Brochures{"\\Brochures\\", Root::Data};
inline constexpr ContentFolder OverSize{"\\OverSize\\", Root::Data};
inline constexpr ContentFolder RichText{"\\richtext\\", Root::Data};
inline constexpr ContentFolder Movies{"\\movies\\", Root::Data};
inline constexpr ContentFolder Wav{"\\wav\\", Root::Data};
inline constexpr ContentFolder IndeoVideo{"\\IndeoVideo\\", Root::Data};
// Folders in the program folder.
inline constexpr ContentFolder PhotoCopies{"\\kestranas\\", Root::Program};
inline constexpr ContentFolder MovieCopies{"\\movies\\", Root::Program};
inline constexpr ContentFolder SaverPhotos{"\\sskestas\\", Root::Program};
} // namespace folders

// The root's current value: g.gsDataRoot, g.gsPhotoRoot or the program folder.
QString RootPath(Root root);
// Root + folder + name, e.g. ContentPath(folders::RichText, "desc.rtf") -> "E:\richtext\desc.rtf".
QString ContentPath(const ContentFolder& folder, const QString& name);

// Model years: year button index k (1 … 48) <-> year, and the codes a year uses.
int YearOfButton(int k);            // 1953 … 2001, 0 when k is out of range
int ButtonOfYear(int year);         // 1 … 48, 0 for 1983 and years outside the range
QString YearCaption(int k);         // "1953" … "2001"
QString YearCode(int k);            // "53" … "99", "00", "01" (characters 3 and 4 of the caption)
QString PhotoCode(int k);           // as YearCode, but "A0" and "A1" for 2000 and 2001
QString RichTextCode(int k);        // as YearCode, but "a0" and "a1" for 2000 and 2001

} // namespace kg

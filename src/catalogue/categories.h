#pragma once
// The special categories: the caption the main window shows for each, its two-letter code,
// the caption of the statistics button, the slide show's caption, and the menu item that
// selects it.
#include <QString>
#include <span>

namespace kg {

enum class CategoryMenu { None, Specialty, KestaStuff, Artwork, Museums, Literature, Miscellaneous };

struct Category {
    const char* caption;      // main caption, exactly as the main window shows it
    const char* code;         // two letters
    const char* statsCaption; // "Statistics", "Details" or "Features"
    const char* slideCaption; // caption in the slide show
    CategoryMenu menu;
    int menuIndex;            // index of the menu item in its menu array (-1: a single item)
    const char* menuCaption;  // with its access-key ampersand; empty when no menu selects it
    bool walk;                // the photo-click walk passes through it
};

std::span<const Category> Categories();
// Exact, case-sensitive lookup by main caption; nullptr when it is not a category.
const Category* FindCategoryByCaption(const QString& caption);
const Category* FindCategoryByCode(const QString& code);
// The category selected by item `index` of a menu array, or nullptr.
const Category* CategoryOfMenuItem(CategoryMenu menu, int index);

// The slide show's caption for a photograph code: the category's slide caption, "2000" or
// "2001" for "A0" and "A1", else "19" followed by the code.
QString SlideCaptionForCode(const QString& code);

} // namespace kg

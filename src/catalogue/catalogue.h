#pragma once
// The in-memory catalogue: every photograph (sorted, numbered within its code), every
// clip-art drawing (sorted) and the movie files.  Each list carries one empty extra entry
// after its last photograph, which photo stepping relies on.
namespace kg {

// Rebuilds g.gsPhotos, g.gsPhotoNum, g.giPhotoCount, g.gsClipArt and g.giClipCount from
// g.gsPhotoRoot + "\kestranas\*.jpg" and g.gsDataRoot + "\clipart\*.jpg".  A failing step
// is reported as "ER037" with Retry (the step runs again) and Cancel (the program ends).
// Leaves g.giPhoto at g.giClipCount + 1.
void LoadPhotoArray();

// Rebuilds g.gsMovies and g.giMovieCount from g.gsDataRoot + "\movies\*.avi", unsorted.
void LoadMovieList();

} // namespace kg

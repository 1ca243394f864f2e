#include "browser/photodisplay.h"

#include "controls/pictures.h"
#include "controls/stretchimage.h"
#include "core/form1.h"
#include "system/paths.h"

namespace kg {

void ShowPhotoInImage4(const QString& contentPath)
{
    Form1* f = MainWindow();
    if (!f)
        return;
    StretchImage* image = f->image4();
    image->setPicture(LoadPictureFile(NativePath(contentPath), image->size()));
}

} // namespace kg

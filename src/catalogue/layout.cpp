#include "catalogue/layout.h"

#include "core/appstate.h"
#include "system/paths.h"

namespace kg {

QString RootPath(Root root)
{
    switch (root) {
    case Root::Data: return g.gsDataRoot;
    case Root::Photo: return g.gsPhotoRoot;
    case Root::Program: return ProgramFolder();
    }
    return QString();
}

QString ContentPath(const ContentFolder& folder, const QString& name)
{
    return RootPath(folder.root) + QLatin1String(folder.relative) + name;
}

int YearOfButton(int k)
{
    if (k >= 1 && k <= 30)
        return 1952 + k;
    if (k >= 31 && k <= 46)
        return 1953 + k;
    if (k == 47)
        return 2000;
    if (k == 48)
        return 2001;
    return 0;
}

int ButtonOfYear(int year)
{
    if (year >= 1953 && year <= 1982)
        return year - 1952;
    if (year >= 1984 && year <= 1999)
        return year - 1953;
    if (year == 2000)
        return 47;
    if (year == 2001)
        return 48;
    return 0;
}

QString YearCaption(int k)
{
    const int year = YearOfButton(k);
    return year ? QString::number(year) : QString();
}

QString YearCode(int k)
{
    return YearCaption(k).mid(2, 2);
}

QString PhotoCode(int k)
{
    const QString code = YearCode(k);
    if (k == 47 || k == 48)
        return u'A' + code.right(1);
    return code;
}

QString RichTextCode(int k)
{
    const QString code = YearCode(k);
    if (k == 47 || k == 48)
        return u'a' + code.right(1);
    return code;
}

} // namespace kg

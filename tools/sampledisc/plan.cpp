#include "plan.h"

#include "documents.h"
#include "media.h"
#include "names.h"
#include "pictures.h"

#include <QCryptographicHash>
#include <QSet>

namespace sd {

namespace {

// Folder names as they stand on disk.  The program resolves names without regard to case,
// so the small disc spells the rich-text folder differently on purpose.
struct Folders {
    QString photos = "kestranas", clipart = "clipart", front = "embfront", rear = "embrear",
            side = "embside", scripts = "scripts", graphics = "graphics", ads = "ads",
            brochures = "Brochures", oversize = "OverSize", richtext = "richtext",
            movies = "movies", wav = "wav", indeo = "IndeoVideo";
};

// Collects entries; a second name that differs only in case from one already planned is
// the same file on a disc that ignores case, so the first spelling wins.
class Plan {
public:
    explicit Plan(bool small) : small_(small) {}
    bool Small() const { return small_; }
    void Add(const QString& folder, const QString& name, Preparer make)
    {
        const QString key = folder.toLower() + '/' + name.toLower();
        if (seen_.contains(key))
            return;
        seen_.insert(key);
        entries_.append({folder, name, std::move(make)});
    }
    void AddCard(const QString& folder, Card card)
    {
        if (small_)
            card.size = card.size.scaled(64, 64, Qt::KeepAspectRatio);
        const QString name = card.file;
        Add(folder, name, JpegOf(card));
    }
    void AddDocument(const QString& folder, DocInfo doc)
    {
        const QString name = doc.file;
        Add(folder, name, [doc]() -> Encoder {
            const QImage picture = DocumentPicture(doc);
            return [doc, picture] { return MakeDocument(doc, picture); };
        });
    }
    // A file that draws nothing: all of it is made in the parallel step.
    void AddBytes(const QString& folder, const QString& name, Encoder make)
    {
        Add(folder, name, [make] { return make; });
    }
    static Preparer JpegOf(const Card& card, bool truncate = false)
    {
        return [card, truncate]() -> Encoder {
            const QImage image = RenderCard(card);
            return [image, truncate] {
                const QByteArray jpeg = EncodeJpeg(image);
                return truncate ? TruncatedJpeg(jpeg) : jpeg;
            };
        };
    }
    QList<Entry> Take() { return std::move(entries_); }

private:
    bool small_;
    QSet<QString> seen_;
    QList<Entry> entries_;
};

int Digest(const QString& key, int modulo)
{
    const QByteArray h = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1);
    return static_cast<unsigned char>(h[5]) % modulo;
}

QString Stem(const QString& file) { return file.left(file.indexOf('.')); }

// ---- Documents ---------------------------------------------------------------------------

// Documents that are longer than the usual few paragraphs, or carry a picture or a table.
struct DocExtra {
    const char* name;
    int paragraphs;
    DocInfo::Picture picture;
    bool table;
};
const DocExtra kDocExtras[] = {
    {"53desc.rtf", 36, DocInfo::Picture::Png, false},
    {"78desc.rtf", 36, DocInfo::Picture::Png, false},
    {"63desc.rtf", 5, DocInfo::Picture::Png, false},
    {"97desc.rtf", 5, DocInfo::Picture::Jpeg, false},
    {"a0desc.rtf", 4, DocInfo::Picture::Jpeg, false},
    {"a1desc.rtf", 4, DocInfo::Picture::Jpeg, false},
    {"desc.rtf", 3, DocInfo::Picture::Png, false},
    {"intro.rtf", 4, DocInfo::Picture::Png, false},
    {"harrowby.rtf", 4, DocInfo::Picture::Png, false},
    {"idkesta.rtf", 6, DocInfo::Picture::Jpeg, false},
    {"timeline.rtf", 36, DocInfo::Picture::None, true},
    {"glossary.rtf", 12, DocInfo::Picture::None, false},
    {"ENGINES.rtf", 4, DocInfo::Picture::None, true},
    {"credits.rtf", 3, DocInfo::Picture::None, true},
};

DocInfo Document(const QString& file, const QString& title, int seed)
{
    DocInfo d;
    d.file = file;
    d.title = title;
    const bool statistics = file.contains("stats", Qt::CaseInsensitive) ||
                            file.contains("features", Qt::CaseInsensitive);
    bool table = statistics;
    for (const DocExtra& x : kDocExtras)
        if (file.compare(QLatin1String(x.name), Qt::CaseInsensitive) == 0) {
            d.paragraphs = x.paragraphs;
            d.picture = x.picture;
            table = table || x.table;
        }
    if (table)
        d.table = StatisticsTable(title, seed);
    return d;
}

void AddYearDocuments(Plan& plan, const Folders& f, int year)
{
    const QString y = QString::number(year);
    for (const Named& kind : YearDocumentKinds())
        plan.AddDocument(f.richtext, Document(RichTextCode(year) + kind.name,
                                              QString::fromUtf8(kind.title).arg(y), year));
    DocInfo details = Document(BookletCode(year) + ".rtf", y + " Details", year);
    details.paragraphs = 2;
    plan.AddDocument(f.richtext, details);
    if (NostalgiaYears().contains(year))
        plan.AddDocument(f.richtext, Document("nostalgia" + YearCode(year) + ".rtf", "Nostalgia " + y, year));
}

void AddNamedDocuments(Plan& plan, const Folders& f, const QList<Named>& table)
{
    int seed = 0;
    for (const Named& n : table)
        plan.AddDocument(f.richtext, Document(n.name, n.title, ++seed));
}

// ---- Photographs -------------------------------------------------------------------------

struct PhotoSet {
    QString code;     // "53", "A0", "DR" …
    QString subject;  // "1978" or the category caption
    bool year;
    bool details;
};

QList<PhotoSet> AllPhotoSets()
{
    QList<PhotoSet> sets;
    for (int year : ModelYears())
        sets.append({PhotoCode(year), QString::number(year), true, false});
    for (const Category& c : Categories())
        sets.append({c.code, c.caption, false, c.details});
    return sets;
}

// Photograph k (0-based) of a code.  Emblem photographs carry a five-character key
// ("EM001") that two photographs share, because their details go by those five characters.
QString FullPhotoName(const QString& code, int k, int mix)
{
    const QString stem = code == "EM" ? QStringLiteral("EM00%1%2").arg(k / 2 + 1).arg(QChar('A' + k % 2))
                                      : code + QChar('A' + k);
    switch ((k + mix) % 5) {
    case 1: return stem.toLower() + ".jpg";
    case 4: return stem.toUpper() + ".JPG";
    default: return stem + ".jpg";
    }
}

Card PhotoCard(const PhotoSet& s, int k, const QString& file, bool small)
{
    Card c;
    c.look = Look::Photo;
    c.size = small ? QSize(64, 48) : QSize(640, 480);
    c.background = ColourFor(s.code);
    if (small)
        c.headline = QStringLiteral("%1 #%2").arg(s.code).arg(k + 1);
    else if (s.year)
        c.headline = QStringLiteral("%1 — photo %2").arg(s.subject).arg(k + 1);
    else
        c.headline = QStringLiteral("category %1 — photo %2").arg(s.code).arg(k + 1);
    c.caption = s.year ? "Model year " + s.subject : s.subject;
    c.file = file;
    return c;
}

void AddPhoto(Plan& plan, const Folders& f, const PhotoSet& s, int k, const QString& file)
{
    plan.Add(f.photos, file, Plan::JpegOf(PhotoCard(s, k, file, plan.Small())));
    if (s.details) {
        const QString key = s.code == "EM" ? file.left(5) : Stem(file);
        const QString title = s.code == "EM" ? QStringLiteral("%1 — %2 details").arg(s.subject, key.toUpper())
                                             : QStringLiteral("%1 — photo %2 details").arg(s.subject).arg(k + 1);
        DocInfo d = Document(key.toLower() + ".rtf", title, k);
        d.paragraphs = 1;
        plan.AddDocument(f.richtext, d);
    }
}

void AddPhotoReadme(Plan& plan, const Folders& f)
{
    plan.AddBytes(f.photos, "readme.txt", [] {
        return QByteArray("Sample content disc.\r\nThis folder holds the photographs; this text file "
                          "is not one of them.\r\n");
    });
}

// ---- Pictures of the other folders ---------------------------------------------------------

Card Picture(Look look, QSize size, const QString& colourKey, const QString& headline,
             const QString& caption, const QString& file)
{
    Card c;
    c.look = look;
    c.size = size;
    c.background = ColourFor(colourKey);
    c.headline = headline;
    c.caption = caption;
    c.file = file;
    return c;
}

const QSize kNose(180, 110), kRear(160, 100), kSide(140, 90), kScript(300, 70), kClip(320, 220);
const QSize kUpright(850, 1100), kWide(1300, 850), kSeries(1000, 1300);

void AddEmblem(Plan& plan, const QString& folder, QSize size, const QString& code, const QString& what,
               const QString& file)
{
    plan.AddCard(folder, Picture(size == kScript ? Look::Script : Look::Emblem, size, code, code, what, file));
}

void AddNamedPictures(Plan& plan, const QString& folder, const QList<Named>& table, Look look, QSize size)
{
    for (const Named& n : table)
        plan.AddCard(folder, Picture(look, size, n.name, n.title, QString(), n.name));
}

void AddGraphics(Plan& plan, const Folders& f)
{
    for (const Decoration& d : Graphics())
        plan.AddCard(f.graphics, Picture(Look::Plain, QSize(d.width, d.height), d.name, d.title, "graphics", d.name));
}

void AddIndeo(Plan& plan, const Folders& f)
{
    plan.AddBytes(f.indeo, "iv5play.exe", [] {
        return QByteArray("#!/bin/sh\n"
                          "# Sample stand-in for the video driver installer of the content disc.\n"
                          "echo \"Indeo video installer (sample): nothing to install.\"\n"
                          "exit 0\n");
    });
}

void AddSound(Plan& plan, const Folders& f, int index)
{
    const Sound& s = SoundEffects().at(index);
    if (QLatin1String(s.file) == QLatin1String(kStartupSound)) {
        plan.AddBytes(f.wav, s.file, [] { return WavFile(PassbySamples()); });
        return;
    }
    const double seconds = 0.3 + 0.1 * (index % 8);
    plan.AddBytes(f.wav, s.file, [index, seconds] { return WavFile(EffectSamples(index, seconds)); });
}

void AddMovie(Plan& plan, const Folders& f, int index)
{
    const Movie& m = Movies().at(index);
    MovieInfo movie;
    movie.title = m.title;
    movie.file = m.file;
    movie.voice = 29 + index;
    if (plan.Small()) {
        movie.size = QSize(160, 120);
        movie.frames = 10;
    }
    plan.Add(f.movies, m.file, [movie]() -> Encoder {
        const QList<QImage> frames = MovieFrames(movie);
        return [movie, frames] { return AviFile(movie, frames); };
    });
}

QString YearText(int year) { return QString::number(year); }

} // namespace

QList<Entry> FullDisc()
{
    Plan plan(false);
    const Folders f;

    // Photographs: a few to a dozen per year and category, and their details documents.
    const QList<PhotoSet> sets = AllPhotoSets();
    for (int i = 0; i < sets.size(); ++i) {
        const int count = 2 + Digest(sets[i].code, 11);
        for (int k = 0; k < count; ++k)
            AddPhoto(plan, f, sets[i], k, FullPhotoName(sets[i].code, k, i));
    }
    AddPhotoReadme(plan, f);

    // Clip art: one drawing per year (one with an upper-case extension) and the named ones.
    for (int year : ModelYears())
        plan.AddCard(f.clipart, Picture(Look::Drawing, kClip, YearText(year), "Clip art " + YearText(year),
                                        QString(), YearText(year) + (year == 1954 ? ".JPG" : ".jpg")));
    for (const Named& n : NamedClipArt())
        plan.AddCard(f.clipart, Picture(Look::Drawing, kClip, n.name, "Clip art", n.title, n.name));

    // Emblems and scripts: the names spelled out by the program first, then the year rules.
    AddNamedPictures(plan, f.front, NamedNoseEmblems(), Look::Emblem, kNose);
    AddNamedPictures(plan, f.rear, NamedRearEmblems(), Look::Emblem, kRear);
    AddNamedPictures(plan, f.side, NamedSideEmblems(), Look::Emblem, kSide);
    AddNamedPictures(plan, f.scripts, NamedScripts(), Look::Script, kScript);
    for (int year : ModelYears()) {
        const QString yc = YearCode(year), y = YearText(year);
        AddEmblem(plan, f.front, kNose, y, "nose emblem", "emb" + yc + "f.jpg");
        if (!YearsWithoutRearEmblem().contains(year))
            AddEmblem(plan, f.rear, kRear, y, "rear emblem", "emb" + yc + "r.jpg");
        if (!YearsWithoutSideEmblem().contains(year) && !YearsSharingSideEmblem91().contains(year))
            AddEmblem(plan, f.side, kSide, y, "side emblem", "emb" + yc + "s.jpg");
        AddEmblem(plan, f.scripts, kScript, y, "script", "scri" + yc + ".jpg");
    }

    AddGraphics(plan, f);

    // Advertisements and brochure covers.
    AddNamedPictures(plan, f.ads, NamedAds(), Look::Poster, kUpright);
    for (int year : ModelYears()) {
        const QSize page = WidePageYears().contains(year) ? kWide : kUpright;
        const QString y = YearText(year);
        if (!YearsWithoutAd().contains(year))
            plan.AddCard(f.ads, Picture(Look::Poster, page, y, y + " Advertisement", "magazine advertisement",
                                        YearCode(year) + "gmco00.jpg"));
        plan.AddCard(f.brochures, Picture(Look::Poster, page, y, y + " Brochure",
                                          "Marketing Brochure Cover", "br" + y + ".jpg"));
    }
    AddNamedPictures(plan, f.brochures, NamedBrochures(), Look::Poster, kUpright);

    // The illustrated series.
    for (int n = 1; n <= IllustrationTitles().size(); ++n)
        plan.AddCard(f.oversize, Picture(Look::Poster, kSeries, IllustrationFile(n),
                                          QStringLiteral("Illustration %1").arg(n),
                                          IllustrationTitles().at(n - 1), IllustrationFile(n)));

    // Documents.
    for (int year : ModelYears())
        AddYearDocuments(plan, f, year);
    AddNamedDocuments(plan, f, CategoryDocuments());
    AddNamedDocuments(plan, f, ReferenceDocuments());

    for (int i = 0; i < Movies().size(); ++i)
        AddMovie(plan, f, i);
    for (int i = 0; i < SoundEffects().size(); ++i)
        AddSound(plan, f, i);
    AddIndeo(plan, f);
    return plan.Take();
}

QList<Entry> SmallDisc()
{
    Plan plan(true);
    Folders f;
    f.richtext = "RichText";

    // Photographs: {code, file names}.  See plan.h for what each run is there to test.
    const struct {
        const char* code;
        QList<const char*> files;
    } kPhotos[] = {
        {"53", {"53A.JPG", "53b.jpg", "53C.jpg"}},
        {"54", {"54A.jpg"}},
        {"55", {"55A.jpg", "55 wide.jpg", "55\xc3\xa9.jpg"}},
        {"56", {"56A.jpg", "56B.JPG", "56C.jpg"}},
        {"99", {"99A.jpg", "99b.jpg"}},
        {"A0", {"a0a.jpg", "A0B.jpg"}},
        {"A1", {"A1A.jpg"}},
        {"AZ", {"AZA.jpg", "azb.jpg"}},
        {"BC", {"BCA.jpg"}},
        {"CC", {"CCA.jpg", "CCB.jpg"}},
        {"CV", {"CVA.jpg", "CVB.jpg"}},
        {"EM", {"EM001A.jpg", "EM001B.jpg", "EM002A.jpg"}},
        {"FM", {"FMA.jpg"}},
        {"MN", {"MNA.jpg"}},
    };
    for (const auto& run : kPhotos) {
        const QString code = run.code;
        const Category* cat = FindCategory(code);
        const PhotoSet set{code, cat ? QString(cat->caption) : code, cat == nullptr, false};
        for (int k = 0; k < run.files.size(); ++k) {
            const QString file = QString::fromUtf8(run.files[k]);
            plan.Add(f.photos, file, Plan::JpegOf(PhotoCard(set, k, file, true), file == "56B.JPG"));
        }
    }
    AddPhotoReadme(plan, f);

    for (const char* name : {"1953.jpg", "1954.JPG", "2001.jpg", "Bonus.jpg", "skkesta.jpg"})
        plan.AddCard(f.clipart, Picture(Look::Drawing, kClip, name, QString(name).left(4), QString(), name));
    AddEmblem(plan, f.front, kNose, "1953", "nose emblem", "emb53f.jpg");
    AddEmblem(plan, f.front, kNose, "1954", "nose emblem", "emb54f.jpg");
    AddEmblem(plan, f.rear, kRear, "1956", "rear emblem", "emb56r.jpg");
    AddEmblem(plan, f.side, kSide, "1956", "side emblem", "emb56s.jpg");
    AddEmblem(plan, f.scripts, kScript, "1953", "script", "scri53.jpg");
    AddGraphics(plan, f);
    plan.AddCard(f.ads, Picture(Look::Poster, kUpright, "1953", "1953 Advertisement", QString(), "53gmco00.jpg"));
    plan.AddCard(f.brochures, Picture(Look::Poster, kUpright, "1953", "1953 Brochure", QString(), "br1953.jpg"));
    for (int n : {1, 10})
        plan.AddCard(f.oversize, Picture(Look::Poster, kSeries, IllustrationFile(n),
                                          QStringLiteral("Illustration %1").arg(n),
                                          IllustrationTitles().at(n - 1), IllustrationFile(n)));

    // Documents: {file, title}.  CVB.jpg has no details document, CVA.jpg has one.
    const struct {
        const char* file;
        const char* title;
    } kDocs[] = {
        {"desc.rtf", "Description"},
        {"intro.rtf", "Introduction"},
        {"zrdesc.rtf", "1990-1995 ZR-1 Description"},
        {"credits.rtf", "Credits"},
        {"harrowby.rtf", "The Illustrated Kestrana"},
        {"sshelp.rtf", "Install Screen Saver Help"},
        {"53desc.rtf", "1953 Description"},
        {"53OPTS.rtf", "Options 1953"},
        {"53stats.rtf", "1953 Statistics"},
        {"53colors.rtf", "1953 Colors"},
        {"53.rtf", "1953 Details"},
        {"54desc.rtf", "1954 Description"},
        {"54.rtf", "1954 Details"},
        {"a0desc.rtf", "2000 Description"},
        {"a1desc.rtf", "2001 Description"},
        {"nostalgia56.rtf", "Nostalgia 1956"},
        {"C12desc.rtf", "Callaway C12 Description"},
        {"cva.rtf", "Custom Kestranas — photo 1 details"},
        {"em001.rtf", "Kestrana Emblems — EM001 details"},
    };
    int seed = 0;
    for (const auto& d : kDocs)
        plan.AddDocument(f.richtext, Document(d.file, QString::fromUtf8(d.title), ++seed));

    AddMovie(plan, f, 0);
    for (const char* name : {"passby.wav", "backfrng.wav", "car_door.wav"})
        for (int i = 0; i < SoundEffects().size(); ++i)
            if (QLatin1String(SoundEffects()[i].file) == QLatin1String(name))
                AddSound(plan, f, i);
    AddIndeo(plan, f);
    return plan.Take();
}

} // namespace sd

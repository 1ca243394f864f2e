#pragma once
// What goes on a sample disc: a list of files, each with the folder it lives in (spelled as
// on disk), its file name and a function that makes its bytes.
//
// The small disc is the test fixture.  It holds exactly:
//
//   kestranas/   53A.JPG 53b.jpg 53C.jpg          1953: a run of three, mixed case
//                54A.jpg                          1954: a run of one
//                55A.jpg "55 wide.jpg" 55é.jpg    1955: a blank and a non-ASCII letter
//                56A.jpg 56B.JPG 56C.jpg          1956: 56B.JPG is a real JPEG cut inside its
//                                                 header, so it cannot be decoded
//                99A.jpg 99b.jpg                  1999
//                a0a.jpg A0B.jpg                  2000 (lower-case a0a.jpg)
//                A1A.jpg                          2001
//                AZA.jpg azb.jpg                  "1990-1995 ZR-1 "
//                BCA.jpg                          "Callaway C12 "
//                CCA.jpg CCB.jpg                  "Callaway Twin-Turbo "
//                CVA.jpg CVB.jpg                  "Custom Kestranas" (details category)
//                EM001A.jpg EM001B.jpg EM002A.jpg "Kestrana Emblems " (details by 5 characters)
//                FMA.jpg                          "Mallett Cars "
//                MNA.jpg                          "National Kestrana Museum "
//                readme.txt                       not a photograph
//              ("Gisser Automotive Concepts ", code GS, deliberately has no photograph.)
//   clipart/     1953.jpg 1954.JPG 2001.jpg Bonus.jpg skkesta.jpg
//   embfront/    emb53f.jpg emb54f.jpg
//   embrear/     emb56r.jpg
//   embside/     emb56s.jpg
//   scripts/     scri53.jpg
//   graphics/    nonose.jpg norear.jpg noside.jpg 97emboss.jpg 53tile.jpg insignia.jpg
//                emb99.jpg C5EMBLEM.jpg logoant2.jpg 95white.jpg bklettxt.jpg orvane3.jpg
//   ads/         53gmco00.jpg
//   Brochures/   br1953.jpg
//   OverSize/    st001.jpg st010.jpg
//   RichText/    desc.rtf intro.rtf zrdesc.rtf credits.rtf (table) harrowby.rtf sshelp.rtf
//                53desc.rtf (about three printed pages, embedded PNG) 53OPTS.rtf
//                53stats.rtf (table) 53colors.rtf 53.rtf 54desc.rtf 54.rtf
//                a0desc.rtf (embedded JPEG) a1desc.rtf nostalgia56.rtf C12desc.rtf
//                cva.rtf (details of CVA; CVB has none) em001.rtf
//   movies/      1953.avi (Motion-JPEG 160 x 120, 10 frames at 10 fps, PCM sound track)
//   wav/         passby.wav backfrng.wav car_door.wav
//   IndeoVideo/  iv5play.exe (a shell script)
//
// Photographs of the small disc are 64 x 48; every other picture is small as well.
#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace sd {

// Making a file has two steps.  Everything that draws (pictures, text, movie frames) runs
// in the first step, on the main thread and in plan order, because Qt's font engines keep
// per-process glyph state: drawn from several threads, the same text can come out with
// slightly different pixels from run to run.  The second step (encoding, assembling) draws
// nothing and runs in parallel.
using Encoder = std::function<QByteArray()>;
using Preparer = std::function<Encoder()>;

struct Entry {
    QString folder; // "" for the root of the tree
    QString name;
    Preparer make;
};

QList<Entry> FullDisc();
QList<Entry> SmallDisc();

} // namespace sd

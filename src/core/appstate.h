#pragma once
// The application state: every variable that more than one window or module reads or
// writes.  Handlers use them directly through `g`; tests reset them with ResetAppState().
//
// Integers and longs are plain 32-bit ints here: a catalogue of more than 32767 photographs
// must not overflow its counters and indexes.
#include "system/runtime.h"

#include <QString>
#include <cstdint>

namespace kg {

inline constexpr const char* kAppTitle = "The Kestrana Gallerion 2001";
// Title of the error reporter's boxes.
inline constexpr const char* kErrorTitle = "The Kestrana Gallerion";

struct AppState {
    // Content roots and paths.
    QString gsDataRoot;
    QString gsPhotoRoot;
    QString gsDrives;
    QString gsMovieDir;
    QString gsWavFile;
    QString gsDocFile;
    QString gsDocTitle;
    QString gsPhotoFile;
    QString gsCopySrc;
    QString gsCopyDst;

    // Catalogue.
    VbList gsPhotos;
    VbList gsPhotoNum;
    int giPhotoCount = 0;
    VbList gsClipArt;
    int giClipCount = 0;
    VbList gsMovies;
    int giMovieCount = 0;
    int giMovieSlot = 0;
    QString gsPrevPrefix;
    int giNamePos = 0;

    // Selection and stepping.
    int giYear = 0;
    QString gsCatCode;
    int giPhoto = 0;
    int giPhotoShown = 0;
    bool gbNewYear = false;
    bool gbStepFwd = false;
    bool gbStepBack = false;
    int giNextYear = 0;
    bool gbYearClicked = false;
    bool gbFirstClick = false;
    bool gbShowNames = false;

    // Slide show and screen saver.
    bool gbSlideShow = false;
    bool gbSlidePlaying = false;
    bool gbSlideNoAsk = false;
    std::int32_t glSlideDelay = 0;

    // Copying.
    bool gbCopyPhotos = false;
    std::int32_t glCopyBytesLeft = 0;
    bool gbCopyDeclined = false;
    bool gbCopyBusy = false;

    // Messages, errors and miscellany.
    QString gsErrCode;
    QString gsMsg;
    QString gsAnswer;
    int giAnswer = 0;
    int giLoop = 0;
    QString gsMouseBtn;
    long ghTaskbar = 0;

    // The command line was exactly "HWI".
    bool gbHWI = false;
};

extern AppState g;

void ResetAppState();

// The command line is the switch only when it is exactly "HWI": case-sensitive, nothing
// else on the line.
bool IsHwiCommandLine(const QStringList& argsAfterProgram);

// Doubles every "&" so that a menu caption shows the ampersand itself.
QString EscapeAmpersands(const QString& text);

} // namespace kg

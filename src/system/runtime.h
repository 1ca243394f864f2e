#pragma once
// Run-time failures and error traps.
//
// A failing platform call throws RuntimeError carrying a number and a description (the
// numbers follow the classic run-time error numbers: 5 invalid call, 9 subscript out of
// range, 52 bad file name, 53 file not found, 61 disk full, 70 permission denied, 71 disk
// not ready, 75 path/file access error, 76 path not found).  A handler's error trap is a
// try/catch around its risky steps; `Err` holds the failure being handled, so that the error
// reporter can tell a trapped failure from a plain failed check.
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>

namespace kg {

class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description);
    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

namespace rterr {
inline constexpr int InvalidCall = 5;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int DiskFull = 61;
inline constexpr int PermissionDenied = 70;
inline constexpr int DiskNotReady = 71;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int Internal = 51;
} // namespace rterr

// The failure currently being handled (number 0: none).
struct ErrObject {
    int Number = 0;
    QString Description;
    void Clear() { Number = 0; Description.clear(); }
};
ErrObject& Err();

// Runs `body`; a run-time failure inside it is stored in Err() and `onError` runs while
// Err() still holds it, then Err() is cleared.  Returns true when the body ran through.
bool Trap(const std::function<void()>& body, const std::function<void()>& onError);

// "Errors ignored statement by statement": each step runs in its own trap and a failing
// step is skipped.  Returns the number of steps that failed.
int IgnoreErrors(std::initializer_list<std::function<void()>> steps);

// A 1-based list of strings that grows one entry at a time, as the catalogue lists are.
// Access out of range raises a run-time failure (9), never undefined behaviour.
class VbList {
public:
    int ubound() const { return static_cast<int>(m_items.size()); }
    // ReDim Preserve: resize to entries 1 … n, keeping what fits.
    void redimPreserve(int n);
    void clear() { m_items.clear(); }
    QString& operator()(int index);
    const QString& operator()(int index) const;
    QStringList& raw() { return m_items; }
    const QStringList& raw() const { return m_items; }

private:
    QStringList m_items;
};

} // namespace kg

#pragma once
// Sample rich-text documents.  Every document opens with its own title and file name, so a
// reader sees at once which document the program opened; the body mixes bold, italic and
// coloured runs, accented letters from both halves of the code page and beyond it.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace sd {

struct DocInfo {
    enum class Picture { None, Png, Jpeg };
    QString title;
    QString file;
    int paragraphs = 3;             // 36 make about three printed pages
    Picture picture = Picture::None;
    QList<QStringList> table;       // empty: no table
};

// The picture a document embeds (null when it has none); drawn apart from the document so
// that drawing stays on the main thread.
QImage DocumentPicture(const DocInfo& doc);
QByteArray MakeDocument(const DocInfo& doc, const QImage& picture);

// A statistics table for a subject, with deterministic sample figures.
QList<QStringList> StatisticsTable(const QString& subject, int seed);

} // namespace sd

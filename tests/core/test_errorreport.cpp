// The error reporter's code table, message forms and box kinds, and the small shared helpers.
#include "core/appstate.h"
#include "core/errorreport.h"
#include "testsupport.h"

#include <QTest>

using namespace kg;

class TestErrorReport : public QObject {
    Q_OBJECT
private slots:
    void codeTable_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        const QString textFile = QStringLiteral(" Unable to load text file.");
        QTest::newRow("ER001") << "ER001" << " Unable to detect the Kestrana Gallerion CDROM.";
        QTest::newRow("ER002") << "ER002" << textFile;
        QTest::newRow("ER003") << "ER003" << " Unable to load Intel Video driver install software.";
        QTest::newRow("ER004 range start") << "ER004" << textFile;
        QTest::newRow("ER007 inside range") << "ER007" << textFile;
        QTest::newRow("ER008 own row") << "ER008" << textFile;
        QTest::newRow("ER010 range end") << "ER010" << textFile;
        QTest::newRow("ER011") << "ER011" << " Unable to load Slide Show photo.";
        QTest::newRow("ER012") << "ER012" << " Unable to load photo.";
        QTest::newRow("ER016") << "ER016" << " Unable to load Slide Show photo or clip art.";
        QTest::newRow("ER020") << "ER020" << " Error loading text file.";
        QTest::newRow("ER021 blanks") << "ER021" << " Unable to load  Script  for year selected.";
        QTest::newRow("ER022 blanks") << "ER022" << " Unable to load  Nose Emblem  for year selected.";
        QTest::newRow("ER023") << "ER023" << " Kestrana photo not found for year selected.";
        QTest::newRow("ER024") << "ER024" << " Kestrana clip art not found for year selected.";
        QTest::newRow("ER030") << "ER030" << textFile;
        QTest::newRow("ER034") << "ER034" << textFile;
        QTest::newRow("ER035") << "ER035" << " Kestrana clip art not found for year selected.";
        QTest::newRow("ER036") << "ER036" << " 'TO' year may not be earlier than 'FROM' year.";
        QTest::newRow("ER037") << "ER037" << " Unable to load the photo array.";
        QTest::newRow("ER038") << "ER038" << " Unable to load the 'Sound Effects' file.";
        QTest::newRow("ER039") << "ER039" << " Unable to load Slide Show photo.";
        QTest::newRow("ER040") << "ER040" << " Unable to load file for printing.";
        QTest::newRow("ER041") << "ER041" << " Unable to load  Rear Emblem for year selected.";
        QTest::newRow("ER042") << "ER042" << " Unable to load  Side Emblem for year selected.";
        QTest::newRow("ER044") << "ER044" << " Unable to load image.";
        QTest::newRow("ER045") << "ER045" << " Unable to load Kestrana Movie.";
        QTest::newRow("ER047") << "ER047" << textFile;
        QTest::newRow("ER049") << "ER049" << " Unable to find Screen Saver.";
        QTest::newRow("ER052") << "ER052" << textFile;
        QTest::newRow("ER055") << "ER055" << " Unable to detect the Kestrana Gallerion CDROM.";
        QTest::newRow("ER057") << "ER057" << textFile;
        QTest::newRow("ER059 trailing blank") << "ER059" << " You must select both a Start Year and an End Year. ";
        QTest::newRow("ER060 outside") << "ER060" << "";
        QTest::newRow("lower case") << "er023" << "";
        QTest::newRow("ER0071 sorts inside a range") << "ER0071" << textFile;
        QTest::newRow("empty") << "" << "";
    }
    void codeTable()
    {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QCOMPARE(ErrorText(code), text);
    }

    void soundFileTextUsesPathFromSixthCharacter()
    {
        ResetAppState();
        g.gsWavFile = QStringLiteral("E:\\wav\\taxi.wav");
        QCOMPARE(ErrorText(QStringLiteral("ER032")), QStringLiteral(" Unable to load sound file: v\\taxi.wav"));
        QCOMPARE(g.giLoop, int(g.gsWavFile.size()) - 5);
        g.gsWavFile = QStringLiteral("E:");
        QCOMPARE(ErrorText(QStringLiteral("ER032")), QStringLiteral(" Unable to load sound file: "));
    }

    void messageForms()
    {
        const QString crlf = QStringLiteral("\r\n");
        QCOMPARE(ErrorMessage(QStringLiteral("ER023")),
                 "Error number: ER023" + crlf + crlf + " Kestrana photo not found for year selected." + crlf + crlf
                     + "Make sure that the Kestrana Gallerion is in the CDROM drive.");
        QCOMPARE(ErrorMessage(QStringLiteral("ER059")),
                 "Error number: ER059" + crlf + crlf + " You must select both a Start Year and an End Year. ");
        QCOMPARE(ErrorMessage(QString()),
                 "Error number: " + crlf + crlf + crlf + crlf + "Make sure that the Kestrana Gallerion is in the CDROM drive.");
    }

    void boxKinds_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("ends");
        QTest::newRow("retry on disc code") << "ER001" << int(mb::RetryCancel) << false;
        QTest::newRow("retry on catalogue code") << "ER037" << int(mb::RetryCancel) << false;
        QTest::newRow("cancel ends") << "ER055" << int(mb::RetryCancel) << true;
        QTest::newRow("input code") << "ER036" << int(mb::OKOnly | mb::Critical) << false;
        QTest::newRow("other code") << "ER023" << int(mb::OKOnly | mb::Critical) << false;
        QTest::newRow("unknown code") << "XYZ" << int(mb::OKOnly | mb::Critical) << false;
    }
    void boxKinds()
    {
        QFETCH(QString, code);
        QFETCH(int, buttons);
        QFETCH(bool, ends);
        kgtest::Environment env(false);
        g.gsErrCode = code;
        if (buttons == mb::RetryCancel)
            env.boxes->answer(ends ? mb::Cancel : mb::Retry);
        ReportError();
        QCOMPARE(env.boxes->shown.size(), 1);
        QCOMPARE(env.boxes->shown.first().buttons, buttons);
        QCOMPARE(env.boxes->shown.first().title, QStringLiteral("The Kestrana Gallerion"));
        QCOMPARE(env.boxes->shown.first().prompt, g.gsMsg);
        QCOMPARE(env.endCalls, ends ? 1 : 0);
        if (buttons == mb::RetryCancel)
            QCOMPARE(g.gsAnswer, ends ? QStringLiteral("2") : QStringLiteral("4"));
        QCOMPARE(g.gsErrCode, code); // the code stays set after the report
    }

    void escapeAmpersands_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("several") << "A&B&C" << "A&&B&&C";
        QTest::newRow("none") << "Road Test" << "Road Test";
        QTest::newRow("edges") << "&x&" << "&&x&&";
        QTest::newRow("doubled already") << "R&&T" << "R&&&&T";
        QTest::newRow("empty") << "" << "";
    }
    void escapeAmpersands()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(EscapeAmpersands(in), out);
    }

    void hwiSwitch_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("hwi");
        QTest::newRow("exact") << QStringList{"HWI"} << true;
        QTest::newRow("lower case") << QStringList{"hwi"} << false;
        QTest::newRow("followed by more") << QStringList{"HWI", "x"} << false;
        QTest::newRow("with blank") << QStringList{"HWI "} << false;
        QTest::newRow("empty") << QStringList{} << false;
    }
    void hwiSwitch()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, hwi);
        QCOMPARE(IsHwiCommandLine(args), hwi);
    }
};

QTEST_MAIN(TestErrorReport)
#include "test_errorreport.moc"

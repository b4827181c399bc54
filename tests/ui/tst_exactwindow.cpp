// The exact-nadir window driven as a user would: opened from both File menus and prefilled, a place picked
// from the list by keyboard, towns of one name told apart, every text of a reading shown as exact::Compute
// gives it (the reading itself is checked against swetest and zoneinfo elsewhere), the saved and copied card,
// and what a screen reader hears. Set QUORVIS_SHOTS to a directory to keep a picture of the window.
#include "ChartWheel.h"
#include "ExactTexts.h"
#include "Language.h"
#include "Messages.h"
#include "Places.h"
#include "Program.h"
#include "SignImageList.h"
#include "TestSupport.h"
#include "WrappedLabel.h"
#include "frmDisplay.h"
#include "frmExact.h"
#include "frmMain.h"
#include "frmPromotion.h"
#include "reading.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString text(QWidget *root, const char *label) { return childOf<QLabel>(root, label)->text(); }

// The names of the list rows a screen reader finds focused in the application's accessible tree: focused
// themselves, in a list that has the focus.
QStringList focusedRows(QAccessibleInterface *iface)
{
    QStringList rows;
    if (iface->role() == QAccessible::ListItem && iface->state().focused && iface->parent()->state().focused)
        rows << iface->text(QAccessible::Name);
    for (int i = 0; i < iface->childCount(); ++i)
        rows << focusedRows(iface->child(i));
    return rows;
}

// With QUORVIS_SHOTS set, keeps the window and its card as pictures there, named by `name` and the scale.
void shoot(frmExact *w, const char *name)
{
    const QString shots = qEnvironmentVariable("QUORVIS_SHOTS");
    if (shots.isEmpty())
        return;
    QDir().mkpath(shots);
    QCoreApplication::processEvents(); // the layout requests of the last change, as the event loop would
    const QString file = QStringLiteral("%1@%2x.png").arg(QLatin1String(name)).arg(w->devicePixelRatioF());
    QVERIFY(w->grab().save(QDir(shots).filePath(file)));
    QVERIFY(w->card().save(QDir(shots).filePath(QLatin1String("card-") + file)));
}

} // namespace

class ExactWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> settings;
    std::unique_ptr<Program> program;

    // The exact-nadir window, opened from the main window's File menu.
    frmExact *open()
    {
        program->mainWindow().show();
        childOf<QAction>(&program->mainWindow(), "mnuFindExactNadir")->trigger();
        frmExact *w = program->existingExactWindow();
        if (!w)
            qFatal("the File menu entry opened no window");
        w->setSavePathChooser([] { return QString(); });
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w))
            qWarning("the exact-nadir window did not become active");
        return w;
    }
    static void coordinates(frmExact *w, const QString &lat, const QString &lon, const QString &zone)
    {
        childOf<QCheckBox>(w, "chkCoordinates")->setChecked(true);
        childOf<QLineEdit>(w, "txtLatitude")->setText(lat);
        childOf<QLineEdit>(w, "txtLongitude")->setText(lon);
        childOf<QLineEdit>(w, "txtZone")->setText(zone);
    }
    static void birth(frmExact *w, QDate date, QTime time)
    {
        childOf<QLineEdit>(w, "txtDate")->setText(date.toString(Qt::ISODate));
        childOf<QLineEdit>(w, "txtTime")->setText(time.toString(time.second() ? u"HH:mm:ss" : u"HH:mm"));
    }
    // A London birth read through the place list, for the tests that need any complete reading.
    frmExact *londonReading()
    {
        frmExact *w = open();
        birth(w, QDate(1990, 8, 1), QTime(10, 30));
        auto *place = childOf<QLineEdit>(w, "txtPlace");
        QTest::keyClicks(place, QStringLiteral("London"));
        QTest::keyClick(place, Qt::Key_Escape); // the list first
        QTest::keyClick(place, Qt::Key_Return); // then the best match
        return w;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStringLiteral("Fusion"));
        if (quorvis::places::Gazetteer::instance().places().empty())
            QSKIP("the gazetteer is not built in");
    }
    void init()
    {
        settings = std::make_unique<QTemporaryDir>();
        Program::Environment environment;
        environment.settingsFile = settings->filePath(QStringLiteral("settings.ini"));
        program = std::make_unique<Program>(environment);
    }
    void cleanup()
    {
        program.reset();
        QVERIFY(visibleTopLevels().isEmpty());
    }

    // The window's wrapped labels keep the heights they measured: each answers as a plain label would, however
    // its text, font or margins changed since it was last asked.
    void wrappedLabelsMeasureAsLabels()
    {
        WrappedLabel wrapped;
        QLabel plain;
        const auto alike = [&](const char *step) {
            for (int width : {40, 130, 400, 130})
                QVERIFY2(wrapped.heightForWidth(width) == plain.heightForWidth(width),
                         qPrintable(QStringLiteral("%1 at %2").arg(QLatin1String(step)).arg(width)));
        };
        const auto both = [&](auto change) {
            change(static_cast<QLabel &>(wrapped));
            change(plain);
        };
        both([](QLabel &l) { l.setWordWrap(true); });
        for (const char *text : {"Leo", "The <b>Imum Coeli</b> lies in Scorpio, and the sign three on from the rising "
                                        "sign is Sagittarius: the two rules part here.",
                                 "Leo"}) {
            both([text](QLabel &l) { l.setText(QLatin1String(text)); });
            alike(text);
        }
        both([](QLabel &l) {
            QFont f = l.font();
            f.setPointSizeF(f.pointSizeF() * 2);
            l.setFont(f);
        });
        alike("font");
        both([](QLabel &l) { l.setContentsMargins(12, 4, 12, 4); });
        alike("margins");
    }

    void fileMenuOpensThePrefilledWindow_data()
    {
        QTest::addColumn<bool>("fromResult");
        QTest::newRow("main window") << false;
        QTest::newRow("result window") << true;
    }
    void fileMenuOpensThePrefilledWindow()
    {
        QFETCH(bool, fromResult);
        frmMain &main = program->mainWindow();
        main.show();
        childOf<QComboBox>(&main, "cmbDate")->setCurrentIndex(30); // 31 February clamps to the 28th
        childOf<QComboBox>(&main, "cmbMonth")->setCurrentIndex(fromResult ? 7 : 1);
        childOf<QComboBox>(&main, "cmbYear")->setCurrentText(QStringLiteral("1990"));
        childOf<QComboBox>(&main, "cmbTime")->setCurrentIndex(9);
        QWidget *host = &main;
        if (fromResult) {
            askForReading(&main);
            host = program->existingDisplayWindow();
        } else {
            childOf<QLineEdit>(&main, "txtName")->setText(QStringLiteral("ANN"));
        }
        const QList<QAction *> file = childOf<QMenu>(host, "mnuFile")->actions();
        QCOMPARE(file.value(1)->text(), QStringLiteral("Find My &Exact Nadir…"));
        file.value(1)->trigger();

        frmExact *w = program->existingExactWindow();
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Exact Nadir - Quorvis v1.0"));
        QCOMPARE(childOf<QLineEdit>(w, "txtName")->text(),
                 fromResult ? QStringLiteral("A") : QStringLiteral("ANN"));
        QString unread;
        QCOMPARE(quorvis::exact::ReadDate(childOf<QLineEdit>(w, "txtDate")->text(),
                                          quorvis::exact::DateStyle::of(QLocale::system()), &unread),
                 fromResult ? QDate(1990, 8, 31) : QDate(1990, 2, 28));
        QCOMPARE(childOf<QComboBox>(w, "cmbSlot")->currentText(), QStringLiteral("10am-noon"));
        // Only what the person gave: no time of birth made up; from a quick reading, its slot alone.
        QCOMPARE(childOf<QLineEdit>(w, "txtTime")->text(), QString());
        QCOMPARE(childOf<QCheckBox>(w, "chkSlotOnly")->isChecked(), fromResult);
        coordinates(w, "51.5", "-0.13", "Europe/London");
        QCOMPARE(childOf<QLabel>(w, "lblIC")->isVisible(), fromResult);
        QCOMPARE(childOf<QLabel>(w, "lblSlotChanges")->isVisible(), fromResult);
        if (!fromResult) {
            childOf<QLineEdit>(w, "txtTime")->setText(QStringLiteral("10:30"));
            QVERIFY(text(w, "lblTimeUsed").startsWith(QLatin1String("10:30 GMT")));
        }
        QVERIFY(program->loadedWindows().contains(w)); // and so unloaded with the rest at shutdown

        file.value(1)->trigger(); // again: the same window, brought forward
        QCOMPARE(program->existingExactWindow(), w);
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!program->existingExactWindow());
        QVERIFY(host->isVisible());
        QVERIFY(!program->existingPromotionWindow() || !program->existingPromotionWindow()->isVisible());
    }

    void placeListByKeyboardThenEscClosesListThenWindow()
    {
        frmExact *w = open();
        auto *place = childOf<QLineEdit>(w, "txtPlace");
        for (const char *field :
             {"txtName", "txtPlace"}) // Enter in a field with nothing to pick does nothing
            QTest::keyClick(childOf<QWidget>(w, field), Qt::Key_Return);
        QVERIFY(w->isVisible() && place->text().isEmpty());
        place->setFocus();
        QTest::keyClicks(place, QStringLiteral("londo"));
        auto *list = childOf<QAbstractItemView>(w, "lstPlaces");
        QVERIFY(list->isVisible());
        QCOMPARE(list->model()->index(0, 0).data().toString(),
                 QStringLiteral("London, England, United Kingdom"));
        QTest::keyClick(place, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClicks(list, QStringLiteral("n")); // typing goes on in the field
        QCOMPARE(QApplication::focusWidget(), place);
        QCOMPARE(place->text(), QStringLiteral("london"));
        QTest::keyClick(place, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!list->isVisible());
        QCOMPARE(QApplication::focusWidget(), place);
        QCOMPARE(place->text(), QStringLiteral("London, England, United Kingdom"));
        QVERIFY(text(w, "lblPlaceChosen").endsWith(QLatin1String("Europe/London")));

        place->clear();
        QTest::keyClicks(place, QStringLiteral("lond"));
        QVERIFY(list->isVisible());
        QTest::keyClick(place, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!list->isVisible() && w->isVisible());
        QCOMPARE(QApplication::focusWidget(), place);
        QTest::keyClick(place, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }

    // Two towns of one name are two rows told apart by their coordinates, and the row picked, by keyboard or
    // by mouse, is the town used.
    void townsOfOneNameToldApart_data()
    {
        QTest::addColumn<bool>("click");
        QTest::newRow("Down to the row, Enter") << false;
        QTest::newRow("a click on the row") << true;
    }
    void townsOfOneNameToldApart()
    {
        QFETCH(bool, click);
        const QString typed = QStringLiteral("Jinzhou");
        const auto matches = quorvis::exact::FindPlaces(typed);
        std::size_t later = 0; // the second of the first two matches that share a name
        for (std::size_t i = 1; i < matches.size() && !later; ++i)
            for (std::size_t j = 0; j < i && !later; ++j)
                if (matches[i]->displayName() == matches[j]->displayName())
                    later = i;
        QVERIFY2(later, "no two matches share a name");
        const QString where =
            quorvis::exact::FormatCoordinates(matches[later]->latitude, matches[later]->longitude);

        frmExact *w = open();
        auto *field = childOf<QLineEdit>(w, "txtPlace");
        QTest::keyClicks(field, typed);
        if (click) {
            auto *list = w->findChild<QAbstractItemView *>(QStringLiteral("lstPlaces"));
            QVERIFY(list && list->isVisible());
            const QModelIndex row = list->model()->index(static_cast<int>(later), 0);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(row).center());
        } else {
            for (std::size_t i = 0; i <= later; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QVERIFY2(text(w, "lblPlaceChosen").startsWith(where), qPrintable(text(w, "lblPlaceChosen")));
        QCOMPARE(field->text(), matches[later]->displayName() + " (" + where + ")");
    }

    // A screen reader finds a window, not a filler, and while the user moves through the place list, the row
    // reached is the focused object, named by its text.
    void placeListIsHeard()
    {
        frmExact *w = open();
        const QAccessible::Role role = QAccessible::queryAccessibleInterface(w)->role();
        QVERIFY2(role == QAccessible::Window || role == QAccessible::Dialog,
                 qPrintable(QString::number(role)));
        const QString typed = QStringLiteral("lond");
        const auto matches = quorvis::exact::FindPlaces(typed);
        QVERIFY(matches.size() >= 2);
        QTest::keyClicks(childOf<QLineEdit>(w, "txtPlace"), typed);
        for (std::size_t row = 0; row < 2; ++row) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            const QStringList focused = focusedRows(QAccessible::queryAccessibleInterface(qApp));
            QCOMPARE(focused.size(), 1);
            QVERIFY2(focused[0].startsWith(matches[row]->displayName()), qPrintable(focused[0]));
        }
        shoot(w, "place-list");
    }

    // Whatever the reading, the window shows what exact::Compute gives for its inputs: each reading's option
    // and Imum Coeli, the one chosen in the result labels, and the sentences.
    void showsWhatComputeGives_data()
    {
        QTest::addColumn<QStringList>("where"); // latitude, longitude, zone
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("slot"); // empty: the time below
        QTest::addColumn<QTime>("time");
        const QStringList berlin{"52.52", "13.405", "Europe/Berlin"};
        QTest::newRow("exact") << QStringList{"51.5074", "-0.1278", "Europe/London"} << QDate(1990, 8, 1)
                               << "" << QTime(10, 30);
        QTest::newRow("gap") << QStringList{"-13.83", "-171.76", "Pacific/Apia"} << QDate(2011, 12, 30) << ""
                             << QTime(12, 0);
        QTest::newRow("overlap") << QStringList{"-33.87", "151.21", "Australia/Sydney"} << QDate(2021, 4, 4)
                                 << "" << QTime(2, 30);
        QTest::newRow("slot-forward") << berlin << QDate(2021, 3, 28) << "2am-4am" << QTime();
        QTest::newRow("slot-back") << berlin << QDate(2021, 10, 31) << "2am-4am" << QTime();
    }
    void showsWhatComputeGives()
    {
        QFETCH(QStringList, where);
        QFETCH(QDate, date);
        QFETCH(QString, slot);
        QFETCH(QTime, time);
        frmExact *w = open();
        birth(w, date, time.isValid() ? time : QTime(0, 0));
        coordinates(w, where[0], where[1], where[2]);
        quorvis::exact::Request request;
        request.date = date;
        request.latitude = where[0].toDouble();
        request.longitude = where[1].toDouble();
        request.clock = quorvis::places::Clock::zone(where[2]);
        if (slot.isEmpty()) {
            request.time = time;
        } else {
            childOf<QCheckBox>(w, "chkSlotOnly")->setChecked(true);
            childOf<QComboBox>(w, "cmbSlot")->setCurrentText(slot);
            request.slot = childOf<QComboBox>(w, "cmbSlot")->currentIndex();
        }
        const quorvis::exact::Result r = quorvis::exact::Compute(request);
        QVERIFY2(r.ok(), qPrintable(r.problem));
        const qsizetype readings = r.candidates.size();
        QCOMPARE(childOf<QWidget>(w, "wdgChoice")->isVisible(), readings > 1);
        for (qsizetype i = readings > 1 ? readings - 1 : 0; i >= 0; --i) { // the first chosen last
            const quorvis::exact::Candidate &c = r.candidates[i];
            if (readings > 1) {
                auto *option = childOf<QRadioButton>(w, qPrintable(QStringLiteral("optChoice%1").arg(i + 1)));
                QCOMPARE(option->text(), c.choice);
                QCOMPARE(text(w, qPrintable(QStringLiteral("lblChoice%1").arg(i + 1))), c.ic);
                option->click();
            }
            QCOMPARE(text(w, "lblIC"), c.ic);
            QCOMPARE(text(w, "lblAscendant"), c.asc);
            QCOMPARE(text(w, "lblMidheaven"), c.mc);
            QCOMPARE(text(w, "lblTimeUsed"), c.timeUsed);
        }
        QCOMPARE(text(w, "lblPlaceUsed"), r.placeUsed);
        QCOMPARE(text(w, "lblQuick"), r.quickReading);
        QCOMPARE(childOf<QLabel>(w, "lblPolar")->isVisible(), !r.polarNote.isEmpty());
        QCOMPARE(text(w, "lblPolar"), r.polarNote);
        for (const QString &sentence : {r.ambiguity, r.readingsGiven, r.meanTimeNote})
            QVERIFY2(text(w, "lblExplanation").contains(sentence), qPrintable(text(w, "lblExplanation")));
        for (const QString &sentence : {r.slotChanges, r.slotJumps})
            QVERIFY2(text(w, "lblSlotChanges").contains(sentence), qPrintable(text(w, "lblSlotChanges")));
        if (QTest::currentDataTag() == QLatin1String("exact"))
            childOf<QLineEdit>(w, "txtName")->setText(QStringLiteral("ANN"));
        shoot(w, QTest::currentDataTag());
    }

    void otherExplanations_data()
    {
        QTest::addColumn<QStringList>("where");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("says");
        QTest::newRow("Berlin 1890, local mean time")
            << QStringList{"52.52", "13.405", "Europe/Berlin"} << QDate(1890, 6, 1) << "lblExplanation"
            << "local mean time of the birthplace";
        // A word is not a zone: a sentence beneath that field, and no reading.
        QTest::newRow("not a zone") << QStringList{"52.52", "13.405", "garbage"} << QDate(2000, 6, 1)
                                    << "lblZoneProblem"
                                    << "Unknown time zone \u201Cgarbage\u201D";
        QTest::newRow("a longitude past the date line")
            << QStringList{"52.52", "181", "Europe/Berlin"} << QDate(2000, 6, 1) << "lblLongitudeProblem"
            << "Not a longitude: \u201C181\u201D";
        QTest::newRow("Svalbard, polar")
            << QStringList{"78.22", "15.65", "Europe/Oslo"} << QDate(2000, 6, 1) << "lblPolar"
            << "Ascendant here is unreliable";
    }
    void otherExplanations()
    {
        QFETCH(QStringList, where);
        QFETCH(QDate, date);
        QFETCH(QString, label);
        QFETCH(QString, says);
        frmExact *w = open();
        birth(w, date, QTime(12, 0));
        coordinates(w, where[0], where[1], where[2]);
        QVERIFY2(text(w, qPrintable(label)).contains(says), qPrintable(text(w, qPrintable(label))));
        // A field that cannot be read is the one thing said: no reading, no prompt for more.
        const bool refused = label.endsWith(QLatin1String("Problem"));
        QCOMPARE(childOf<QLabel>(w, "lblIC")->isVisible(), !refused);
        if (refused)
            QCOMPARE(text(w, "lblExplanation"), QString());
        shoot(w, qPrintable(QLatin1String("explained-") +
                            QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(' '), 0, 1)));
    }

    void savedAndCopiedCard_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("PNG") << "card.png";
#ifdef QUORVIS_SVG_CARD
        QTest::newRow("SVG") << "card.svg";
#endif
        QTest::newRow("PDF") << "card.pdf";
        QTest::newRow("clipboard") << "";
    }
    void savedAndCopiedCard()
    {
        QFETCH(QString, file);
        frmExact *w = londonReading();
        const QString ic = text(w, "lblIC");
        QVERIFY(ic.startsWith(QLatin1String("Imum Coeli ")));
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        if (file.isEmpty()) {
            QGuiApplication::clipboard()->clear();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier); // an animated click
            const auto copied = [] { return QGuiApplication::clipboard()->mimeData(); };
            QTRY_VERIFY(copied() && copied()->hasImage());
            const QMimeData *data = copied();
            QVERIFY(data->text().contains(ic) && data->text().contains(ReadingCard::credit()));
            return;
        }
        w->setSavePathChooser([path] { return path; });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier); // an animated click
        QTRY_VERIFY(QFileInfo(path).size() > 0);
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        if (file.endsWith(QLatin1String(".png"))) {
            QCOMPARE(QImage::fromData(bytes, "PNG").size(), QSize(1240, 1754));
            const QString small = dir.filePath(QStringLiteral("small.png"));
            QVERIFY(w->card().save(small, QSize(300, 424)));
            QCOMPARE(QImage(small).size(), QSize(300, 424));
        } else if (file.endsWith(QLatin1String(".svg"))) {
            QXmlStreamReader svg(bytes);
            QString shown;
            while (!svg.atEnd())
                if (svg.readNext() == QXmlStreamReader::Characters)
                    shown += svg.text();
            QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
            QVERIFY(shown.contains(ic));
        } else {
            QVERIFY(bytes.startsWith("%PDF"));
#ifdef Q_OS_WIN
            // pdftotext is a Linux program, and a Windows program under Wine cannot read what a Linux program
            // prints: the card and the texts it must show are left for tests/ui/check_card_text.sh.
            const QString left = qEnvironmentVariable("QUORVIS_CARD_FOR_LINUX");
            if (left.isEmpty())
                QSKIP("the card's text is read on the Linux side (QUORVIS_CARD_FOR_LINUX)");
            QFile::remove(left + QLatin1String(".pdf"));
            QVERIFY(QFile::copy(path, left + QLatin1String(".pdf")));
            QFile texts(left + QLatin1String(".txt"));
            QVERIFY(texts.open(QIODevice::WriteOnly | QIODevice::Truncate));
            texts.write((ic + QLatin1Char('\n') + ReadingCard::credit() + QLatin1Char('\n')).toUtf8());
#else
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"),
                            {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
            QVERIFY(pdftotext.waitForFinished(30000));
            const QString extracted = QString::fromUtf8(pdftotext.readAllStandardOutput());
            QVERIFY2(extracted.contains(ic), qPrintable(extracted));
            QVERIFY(extracted.contains(ReadingCard::credit()));
#endif
        }
    }

    // A card that cannot be saved says so in a message naming the file and why, leaves nothing behind, and the
    // dialog comes back for another try.
    void saveThatFailsSaysSoAndAsksAgain_data()
    {
        QTest::addColumn<QString>("file"); // in a fresh folder
        QTest::addColumn<QString>("why");
        QTest::newRow("into a folder that is a file") << "taken/card.png" << "";
        QTest::newRow("an ending no format knows") << "card.txt" << "not as \u201C.txt\u201D";
#ifndef QUORVIS_SVG_CARD
        QTest::newRow("SVG where it is not built") << "card.svg" << "not as \u201C.svg\u201D";
#endif
#ifdef Q_OS_UNIX
        if (::geteuid() != 0) // the superuser writes into any folder
            QTest::newRow("into a read-only folder") << "locked/card.pdf" << "";
#endif
    }
    void saveThatFailsSaysSoAndAsksAgain()
    {
        QFETCH(QString, file);
        QFETCH(QString, why);
        QTemporaryDir dir;
        QFile taken(dir.filePath(QStringLiteral("taken")));
        QVERIFY(taken.open(QIODevice::WriteOnly));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const QString path = dir.filePath(file);
        frmExact *w = londonReading();
        int asked = 0;
        w->setSavePathChooser([&] { return ++asked == 1 ? path : QString(); });
        QStringList shown;
        SetMessagePresenter([&](QWidget *, const QString &text, QMessageBox::Icon, QMessageBox::StandardButtons) {
            shown << text;
            return QMessageBox::Ok;
        });
        const auto restore = qScopeGuard([] { SetMessagePresenter(nullptr); });
        childOf<QPushButton>(w, "cmdSave")->click();
        QCOMPARE(asked, 2);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.front().contains(QDir::toNativeSeparators(path)) && shown.front().contains(why),
                 qPrintable(shown.front()));
        QVERIFY(!QFileInfo::exists(path));
    }

    // An ending the person typed is the format written; one that is no format's gets the chosen format's.
    void typedEndingGetsTheFormats_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<QString>("path");
        QTest::newRow("none") << "card" << "png" << "card.png";
        QTest::newRow("the format's, in capitals") << "card.PDF" << "pdf" << "card.PDF";
        QTest::newRow("another format's: that format") << "katharina.pdf"
                                                       << "png"
                                                       << "katharina.pdf";
        QTest::newRow("an ending no format has") << "card.txt"
                                                 << "png"
                                                 << "card.txt.png";
        QTest::newRow("cancelled") << "" << "png" << "";
    }
    void typedEndingGetsTheFormats()
    {
        QFETCH(QString, typed);
        QFETCH(QString, ending);
        QFETCH(QString, path);
        QCOMPARE(frmExact::WithFormatEnding(typed, ending), path);
    }

    // Save Reading's file dialog starts in Pictures, else Documents, else home, and once a card is saved, in
    // its folder.
    void saveStartsInPicturesThenTheLastFolder()
    {
#ifdef Q_OS_WIN
        QSKIP("the person's folders on Windows are the system's, not found from HOME");
#endif
        QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        const auto restore = qScopeGuard([&realHome] { qputenv("HOME", realHome); });
        const QDir at(home.path());
        QCOMPARE(frmExact::saveFolder(), at.path());
        QVERIFY(at.mkdir(QStringLiteral("Documents")));
        QCOMPARE(frmExact::saveFolder(), at.filePath(QStringLiteral("Documents")));
        QVERIFY(at.mkdir(QStringLiteral("Pictures")));
        QCOMPARE(frmExact::saveFolder(), at.filePath(QStringLiteral("Pictures")));
        QVERIFY(at.mkdir(QStringLiteral("cards")));
        frmExact *w = londonReading();
        w->setSavePathChooser([&at] { return at.filePath(QStringLiteral("cards/mine.png")); });
        childOf<QPushButton>(w, "cmdSave")->click();
        QCOMPARE(frmExact::saveFolder(), at.filePath(QStringLiteral("cards")));
    }

    // Over many charts, at latitudes up to the polar circles, the wheel's labels keep clear of one another
    // and of the house number, inside the inner circle.
    void wheelLabelsNeverOverlap()
    {
        QRandomGenerator random(1979);
        for (int i = 0; i < 3000; ++i) {
            const qint64 ut = qint64(random.bounded(4'000'000'000.0)) - 2'000'000'000;
            const double latitude = random.bounded(132.0) - 66.0;
            const quorvis::ChartAngles a = quorvis::ComputeAngles(ut, latitude, 0).angles;
            const int wholeSign = (quorvis::ToSignPosition(a.asc).sign + 3) % 12;
            const std::vector<QRectF> boxes = ChartWheel::textBoxes(a, wholeSign);
            for (std::size_t j = 0; j < boxes.size(); ++j) {
                for (std::size_t k = j + 1; k < boxes.size(); ++k)
                    QVERIFY2(!boxes[j].intersects(boxes[k]),
                             qPrintable(QStringLiteral("ut %1, latitude %2: boxes %3 and %4")
                                            .arg(ut)
                                            .arg(latitude)
                                            .arg(j)
                                            .arg(k)));
            }
        }
    }

    // The file name offered is the person's and the birth date, safe on either system.
    void suggestedFileName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("a name") << "Katharina"
                                << "Katharina 1979-05-12";
        QTest::newRow("separators and wildcards") << "A/B\\C:D*E?F\"G<H>I|J"
                                                  << "ABCDEFGHIJ 1979-05-12";
        QTest::newRow("a trailing dot") << "Jr. "
                                        << "Jr 1979-05-12";
        QTest::newRow("a device's name") << "con"
                                         << "_con 1979-05-12";
        QTest::newRow("no name") << "  "
                                 << "reading 1979-05-12";
    }
    void suggestedFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QCOMPARE(frmExact::SuggestedFileName(name, QDate(1979, 5, 12), QStringLiteral("reading")), file);
    }

    // Print prints the card on one page: here to a PDF file, read back by poppler's tools.
    void printsTheCard()
    {
        frmExact *w = londonReading();
        childOf<QLineEdit>(w, "txtName")->setText(QStringLiteral("Katharina"));
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("card.pdf")));
        QVERIFY(w->printCard(printer));
        QProcess info, text;
        info.start(QStringLiteral("pdfinfo"), {printer.outputFileName()});
        text.start(QStringLiteral("pdftotext"), {printer.outputFileName(), QStringLiteral("-")});
        if (!info.waitForFinished() || !text.waitForFinished())
            QSKIP("poppler's pdfinfo and pdftotext are not installed");
        QVERIFY(
            QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(u"Pages: +1\\n"_qs)));
        const QString printed = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        for (const QString &line : {w->card().title, w->card().nadir})
            QVERIFY2(printed.contains(line), qPrintable(printed));
    }

    // A name that matches no place says so at once beside the field, and the coordinates are one Tab away.
    void placeNotInTheListSaysSo()
    {
        frmExact *w = open();
        auto *place = childOf<QLineEdit>(w, "txtPlace");
        place->setFocus();
        QTest::keyClicks(place, QStringLiteral("Xyzzyhausen"));
        QVERIFY(childOf<QLabel>(w, "lblPlaceProblem")->isVisible());
        QVERIFY2(text(w, "lblPlaceProblem").contains(u"\u201CXyzzyhausen\u201D"_qs),
                 qPrintable(text(w, "lblPlaceProblem")));
        QCOMPARE(place->accessibleDescription(), text(w, "lblPlaceProblem"));
        QTest::keyClick(place, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), childOf<QCheckBox>(w, "chkCoordinates"));
    }

    // The last inputs come back when the window opens again, in this run and the next; New Reading empties
    // the form.
    void lastInputsKept()
    {
        frmExact *w = londonReading();
        childOf<QLineEdit>(w, "txtName")->setText(QStringLiteral("Anna-Lena"));
        const QString ic = text(w, "lblIC");
        QTest::keyClick(w, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (const bool restart : {false, true}) {
            if (restart) {
                program.reset();
                Program::Environment environment;
                environment.settingsFile = settings->filePath(QStringLiteral("settings.ini"));
                program = std::make_unique<Program>(environment);
            }
            w = open();
            QCOMPARE(childOf<QLineEdit>(w, "txtName")->text(), QStringLiteral("Anna-Lena"));
            QVERIFY2(childOf<QLineEdit>(w, "txtPlace")->text().startsWith(u"London"_qs),
                     qPrintable(childOf<QLineEdit>(w, "txtPlace")->text()));
            QCOMPARE(text(w, "lblIC"), ic);
            w->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        w = open();
        childOf<QPushButton>(w, "cmdNew")->click();
        for (const char *field : {"txtName", "txtDate", "txtTime", "txtPlace"})
            QCOMPARE(childOf<QLineEdit>(w, field)->text(), QString());
        QVERIFY(!childOf<QLabel>(w, "lblIC")->isVisible());
    }

    // Inputs are named by their captions and reached by Tab in order; results are named by their text.
    void accessibleNamesAndTabOrder()
    {
        frmExact *w = londonReading();
        childOf<QCheckBox>(w, "chkCoordinates")->setChecked(true);
        const auto name = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        int inputs = 0;
        for (QLabel *caption : w->findChildren<QLabel *>()) {
            QWidget *input = caption->buddy();
            if (!input)
                continue;
            ++inputs;
            const QString shown = caption->text().remove(QLatin1Char('&'));
            QStringList labelledBy;
            for (const auto &relation :
                 QAccessible::queryAccessibleInterface(input)->relations(QAccessible::Label))
                labelledBy << relation.first->text(QAccessible::Name);
            QVERIFY2(labelledBy.contains(shown), qPrintable(shown));
            // On Linux a list's own name is its current entry, hence the label relation above.
            if (!qobject_cast<QComboBox *>(input))
                QCOMPARE(name(input), shown);
        }
        QCOMPARE(inputs, 9);
        for (QCheckBox *choice : w->findChildren<QCheckBox *>())
            QCOMPARE(name(choice), choice->text().remove(QLatin1Char('&')));
        for (const char *label : {"lblIC", "lblAscendant", "lblMidheaven", "lblTimeUsed", "lblPlaceUsed",
                                  "lblQuick", "lblQuickWhy", "lblInterpretation"}) {
            QLabel *l = childOf<QLabel>(w, label);
            QVERIFY2(!l->text().isEmpty(), label);
            QCOMPARE(name(l), l->text());
        }
        const QString wheel = QAccessible::queryAccessibleInterface(childOf<QWidget>(w, "wheel"))
                                  ->text(QAccessible::Description);
        for (const char *label : {"lblIC", "lblAscendant", "lblMidheaven"})
            QVERIFY2(wheel.contains(text(w, label)), qPrintable(wheel));

        QStringList order;
        childOf<QWidget>(w, "txtName")->setFocus();
        for (int i = 0; i < 40 && order.size() < 14; ++i) {
            if (order.value(order.size() - 1) != QApplication::focusWidget()->objectName())
                order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"txtName", "txtDate", "txtTime", "chkSlotOnly", "chkCoordinates",
                                     "txtLatitude", "txtLongitude", "txtZone", "cmbZodiac", "cmdNew",
                                     "cmdSave", "cmdPrint", "cmdCopy", "cmdClose"}));
    }

    // A whole date or time typed over the old one is read whole, as typed, or refused beneath the fields with
    // no reading: never the old year or hour with the new rest.
    void typedOverTheOldTextWhole_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("says"); // in the card's text, or beneath the fields
        QTest::newRow("a date") << "txtDate"
                                << "1985-06-10"
                                << "Born 10 June 1985 at 14:45";
        QTest::newRow("a time") << "txtTime"
                                << "09:45"
                                << "Born 10 June 2021 at 09:45";
        QTest::newRow("a date half typed") << "txtDate"
                                           << "1985-06"
                                           << "Not a date: \u201C1985-06\u201D";
        QTest::newRow("a time without its colon") << "txtTime"
                                                  << "0945"
                                                  << "Not a time of day: \u201C0945\u201D";
    }
    void typedOverTheOldTextWhole()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, says);
        frmExact *w = open();
        birth(w, QDate(2021, 6, 10), QTime(14, 45));
        coordinates(w, "51.5", "-0.13", "Europe/London");
        auto *edit = childOf<QLineEdit>(w, qPrintable(field));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, typed);
        const bool refused = says.startsWith(QLatin1String("Not"));
        QCOMPARE(childOf<QLabel>(w, "lblIC")->isVisible(), !refused);
        const QString shown =
            refused ? text(w, field == QLatin1String("txtDate") ? "lblDateProblem" : "lblTimeProblem")
                    : w->card().text();
        QVERIFY2(shown.contains(says), qPrintable(shown));
    }

    // Each new result shows its first reading: after the second of an overlap's two was chosen, a time with
    // one reading leaves no hidden option checked, and the next overlap starts from its first.
    void eachResultStartsFromItsFirstReading()
    {
        frmExact *w = open();
        coordinates(w, "-33.87", "151.21", "Australia/Sydney");
        birth(w, QDate(2021, 4, 4), QTime(2, 30));
        auto *second = childOf<QRadioButton>(w, "optChoice2");
        QVERIFY(second->isVisible());
        second->click();
        birth(w, QDate(2021, 4, 4), QTime(12, 0));
        QVERIFY(!childOf<QWidget>(w, "wdgChoice")->isVisible());
        QVERIFY(!second->isChecked());
        birth(w, QDate(2020, 4, 5), QTime(2, 30)); // the overlap of a year before
        QVERIFY(childOf<QRadioButton>(w, "optChoice1")->isChecked());
        QCOMPARE(text(w, "lblIC"), text(w, "lblChoice1"));
    }

    void coordinatesHideThePlacePicked()
    {
        frmExact *w = londonReading();
        QVERIFY(childOf<QLabel>(w, "lblPlaceChosen")->isVisible());
        coordinates(w, "48.85", "2.35", "Europe/Paris");
        QVERIFY(!childOf<QLabel>(w, "lblPlaceChosen")->isVisible());
        QVERIFY2(text(w, "lblPlaceUsed").startsWith(u"48°51′ N"), qPrintable(text(w, "lblPlaceUsed")));
    }

    // Oslo, 10 March 1985, 05:15: the rising sign is Capricorn, so Quorvis's own rule names Aries, while the
    // Imum Coeli lies in Gemini. Both are said; the interpretation, the picture and the card follow the rule
    // the person chooses, which the window keeps for the next time it opens.
    void twoRulesTwoSigns()
    {
        const auto osloReading = [this] {
            frmExact *w = open();
            coordinates(w, "59.91273", "10.74609", "Europe/Oslo");
            birth(w, QDate(1985, 3, 10), QTime(5, 15));
            return w;
        };
        const auto interprets = [](frmExact *w, int sign) {
            QCOMPARE(text(w, "lblInterpretation"),
                     QString::fromLatin1(quorvis::Interpretations[std::size_t(sign)].data()));
            auto *picture = childOf<QLabel>(w, "picSign");
            QCOMPARE(picture->accessibleName(), quorvis::exact::SignName(sign));
            QCOMPARE(picture->pixmap().toImage(),
                     SignImageList::picture(sign + 1, w->devicePixelRatioF()).toImage());
            QVERIFY(w->card().text().contains(quorvis::exact::SignName(sign) + u'\n' +
                                              text(w, "lblInterpretation")));
        };
        constexpr int Aries = 0, Gemini = 2;
        frmExact *w = osloReading();
        QCOMPARE(text(w, "lblNadirSign"),
                 "Your rising sign is Capricorn, so counted as the quick reading counts, your nadir sign is "
                 "Aries; "
                 "the lowest point of the sky itself, the Imum Coeli, lies in Gemini (tropical zodiac).");
        QCOMPARE(childOf<ChartWheel>(w, "wheel")->wholeSignHouse(), std::optional(Aries));
        QVERIFY(childOf<QWidget>(w, "wdgNadirRule")->isVisible());
        interprets(w, Gemini);
        if (QTest::currentTestFailed())
            return;
        childOf<QRadioButton>(w, "optNadirByRising")->click();
        interprets(w, Aries);
        if (QTest::currentTestFailed())
            return;
        shoot(w, "two-rules");
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        w = osloReading();
        QVERIFY(childOf<QRadioButton>(w, "optNadirByRising")->isChecked());
        interprets(w, Aries);
        birth(w, QDate(1990, 8, 1), QTime(10, 30)); // where the two agree, one sign and no choice
        QVERIFY(!childOf<QWidget>(w, "wdgNadirRule")->isVisible());
        QVERIFY(!childOf<ChartWheel>(w, "wheel")->wholeSignHouse());
        QVERIFY2(text(w, "lblNadirSign")
                     .endsWith(QLatin1String(", by the IC and by the rising sign alike (tropical zodiac)")),
                 qPrintable(text(w, "lblNadirSign")));
    }

    // Pune, 21 October 1990, 06:05, read in the sidereal zodiac as Indian astrology reads it: every figure,
    // the wheel and the card follow the zodiac chosen, which the window keeps for the next time it opens.
    void siderealZodiacChosenAndKept()
    {
        quorvis::exact::Request request;
        request.date = QDate(1990, 10, 21);
        request.time = QTime(6, 5);
        request.latitude = 18.52;
        request.longitude = 73.8567;
        request.clock = quorvis::places::Clock::zone(QStringLiteral("Asia/Kolkata"));
        request.zodiac = quorvis::Zodiac::Lahiri;
        const quorvis::exact::Result r = quorvis::exact::Compute(request);
        QVERIFY2(r.ok(), qPrintable(r.problem));
        const quorvis::exact::Candidate &c = r.candidates.front();
        const auto puneReading = [this] {
            frmExact *w = open();
            coordinates(w, "18.52", "73.8567", "Asia/Kolkata");
            birth(w, QDate(1990, 10, 21), QTime(6, 5));
            return w;
        };
        const auto showsLahiri = [&](frmExact *w) {
            QCOMPARE(childOf<QComboBox>(w, "cmbZodiac")->currentText(), "Sidereal (Lahiri)");
            QCOMPARE(
                text(w, "lblNadirSign"),
                "Nadir sign: Sagittarius, by the IC and by the rising sign alike (sidereal zodiac, Lahiri "
                "ayanamsa 23°44′)");
            QCOMPARE(text(w, "lblIC"), c.ic);
            QCOMPARE(text(w, "lblAscendant"), c.asc);
            QCOMPARE(text(w, "lblNadirChange"), c.nadirChangesNear.join(u' '));
            QCOMPARE(childOf<ChartWheel>(w, "wheel")->angles()->ic, c.angles.ic);
            QCOMPARE(text(w, "lblQuick"),
                     "Quick reading for the same day and slot: Pisces (tropical zodiac)");
            QVERIFY(text(w, "lblQuickWhy")
                        .endsWith(QLatin1String(" The quick reading counts the tropical zodiac.")));
            QVERIFY(w->card().text().contains(c.ic +
                                              QStringLiteral(" (sidereal zodiac, Lahiri ayanamsa 23°44′)")));
        };
        frmExact *w = puneReading();
        QVERIFY(text(w, "lblIC").endsWith(QLatin1String(" Capricorn")));
        childOf<QComboBox>(w, "cmbZodiac")->setCurrentIndex(1);
        showsLahiri(w);
        if (QTest::currentTestFailed())
            return;
        shoot(w, "sidereal");
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        showsLahiri(puneReading());
    }

    // Ten minutes before London's Imum Coeli (and its rising sign) changed sign on 1 August 1990, the window
    // says what the reading says (its sentence is checked in exact_reading_test).
    void aChangeTenMinutesAwayIsSaid()
    {
        quorvis::exact::Request request;
        request.date = QDate(1990, 8, 1);
        request.time = QTime(10, 0);
        request.latitude = 51.5;
        request.longitude = -0.13;
        request.clock = quorvis::places::Clock::zone(QStringLiteral("Europe/London"));
        const auto &change = quorvis::exact::Compute(request).candidates.value(0).icChanges.after;
        QVERIFY(change);
        const qint64 born = change->utSeconds - 600 + change->reading.offsetSeconds;
        frmExact *w = open();
        coordinates(w, "51.5", "-0.13", "Europe/London");
        request.time = QTime(0, 0).addSecs(int(born % 86400));
        birth(w, request.date, *request.time);
        const QStringList said = quorvis::exact::Compute(request).candidates.value(0).nadirChangesNear;
        QCOMPARE(said.size(), 1);
        QCOMPARE(text(w, "lblNadirChange"), said.front());
    }

    // A place is named in the reader's language in the list as typed, the chosen place's line, the result and
    // the copied text; found by its name in that language.
    void placeInTheReadersLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("de") << "de"
                            << "Münch"
                            << "München, Bayern, Deutschland";
        QTest::newRow("ru") << "ru"
                            << "Бердск"
                            << "Бердск, Новосибирская область, Россия";
        QTest::newRow("en") << "en"
                            << "Münch"
                            << "Munich, Bavaria, Germany";
    }
    void placeInTheReadersLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(Language::Use(language), language);
        const auto english = qScopeGuard([] { Language::Use(QString::fromLatin1(Language::English)); });
        frmExact *w = open();
        birth(w, QDate(1990, 8, 1), QTime(10, 30));
        auto *place = childOf<QLineEdit>(w, "txtPlace");
        for (const QChar c : typed) // as a keyboard of that script types them
            QTest::sendKeyEvent(QTest::Click, place, Qt::Key_unknown, QString(c), Qt::NoModifier);
        auto *list = childOf<QAbstractItemView>(w, "lstPlaces");
        QCOMPARE(list->model()->index(0, 0).data().toString(), shown);
        QTest::keyClick(place, Qt::Key_Escape);
        QTest::keyClick(place, Qt::Key_Return);
        QCOMPARE(place->text(), shown);
        QVERIFY2(text(w, "lblPlaceUsed").startsWith(shown), qPrintable(text(w, "lblPlaceUsed")));
        shoot(w, qPrintable(QStringLiteral("place-") + language));
        QGuiApplication::clipboard()->clear();
        childOf<QAbstractButton>(w, "cmdCopy")->click();
        const auto copied = [] { return QGuiApplication::clipboard()->mimeData(); };
        QTRY_VERIFY(copied() && copied()->hasText());
        QVERIFY2(copied()->text().contains(shown), qPrintable(copied()->text()));
    }
};

QTEST_MAIN(ExactWindowTest)
#include "tst_exactwindow.moc"

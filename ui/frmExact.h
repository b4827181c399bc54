// The exact-nadir window: date, time (or only the two-hour slot) and place of birth in; the Imum Coeli,
// Ascendant and Midheaven to the arc-minute, a chart wheel and the quick reading beside them out, computed
// again whenever the request the inputs make changes. A one-page reading card can be saved or copied.
//
//   inputs --readInputs--> exact::Request --exact::Compute--> exact::Result --showResult--> labels, wheel,
//   picture
//
// Its last inputs are kept in the settings when it closes and come back when it opens again.
#pragma once

#include "ExactReading.h"
#include "ReadingCard.h"

#include <QHash>
#include <QLocale>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class PlaceList;
class ProgramHost;
class QButtonGroup;
class QComboBox;

namespace Ui {
class frmExact;
}

class frmExact : public QWidget
{
    Q_OBJECT
public:
    explicit frmExact(ProgramHost &host, QWidget *parent = nullptr);
    ~frmExact() override;

    // Takes the name and the date from the main window's inputs (found by their control names), and the slot
    // too when opened from a quick reading, which then reads only the slot. The time of birth stays empty
    // until it is typed: a reading is made only of what the person gave.
    void prefillFrom(const QWidget *mainWindow, bool fromQuickReading);

    // The region whose dates, times and hints the fields take (the system's by default).
    void setRegion(const QLocale &region);
    // The card of the reading shown now.
    ReadingCard card() const;
    // Where "Save Reading…" writes: by default a file dialog; tests give a path instead. An empty path
    // cancels; after a failed save the chooser is asked again.
    void setSavePathChooser(std::function<QString()> chooser) { m_chooseSavePath = std::move(chooser); }
    // The folder the file dialog of "Save Reading…" starts in: the one a card was last saved to in this
    // session, else the person's Pictures folder, else Documents, else home.
    static QString saveFolder();
    // `path` as the card is written to it: kept where it ends in a format the card is saved in (".pdf" typed
    // with PNG chosen is a PDF), else with the chosen format's `ending` added: "card.txt" -> "card.txt.png".
    static QString WithFormatEnding(const QString &path, const QString &ending);
    // The file name offered for a card: "Katharina 1979-05-12", safe on both systems; `fallback` without a
    // name.
    static QString SuggestedFileName(const QString &name, QDate date, const QString &fallback);
    // Prints the card on `printer`, one page. False when the printer could not be started.
    bool printCard(class QPrinter &printer) const;

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void txtPlace_Change(const QString &text);
    void txtPlace_Enter();
    void cmdNew_Click();
    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdCopy_Click();
    void optNadirRule_Click();
    void cmbZodiac_Change();

    void pickPlace(const quorvis::places::Place *place);
    void keepInputs() const;
    void restoreInputs();
    // The window lies wholly inside its screen's available area, title bar included.
    void fitOnScreen();
    // While the window settles after opening, each move or resize the window system reports is checked.
    void settle();
    void showSaved(const QString &path);
    void updateModes();
    void refresh();
    void showResult();
    void showChoices();
    // The sign the interpretation and the picture are of: the Imum Coeli's, or the whole-sign nadir where the
    // person chose it and the two differ.
    int interpretedSign(const quorvis::exact::Candidate &c) const;
    bool byRisingSign(const quorvis::exact::Candidate &c) const;
    // The reading shown: the one chosen among several, else the only one; nothing without a reading.
    const quorvis::exact::Candidate *shownCandidate() const;
    // The request the inputs make; nothing while they are incomplete or one cannot be read, which then has
    // its sentence in `problems`.
    std::optional<quorvis::exact::Request> readInputs(QHash<QWidget *, QString> &problems) const;
    QString chooseSavePath(const QString &suggested);

    ProgramHost &m_host;
    std::unique_ptr<Ui::frmExact> ui;
    PlaceList *m_placeList = nullptr;
    QButtonGroup *m_choices = nullptr; // one option per reading, when there are several; ids from 0
    QComboBox *m_cmbZodiac = nullptr;  // the zodiac the reading counts in, above it
    const quorvis::places::Place *m_place = nullptr;
    std::optional<quorvis::exact::Request> m_request; // what the inputs ask, once enough and readable
    quorvis::exact::Result m_result;
    int m_pictureSign = -1;          // the sign whose picture is shown
    bool m_risingSignChosen = false; // the person's choice of rule for the interpretation, remembered
    std::function<QString()> m_chooseSavePath;
    QLocale m_region;
    quorvis::exact::DateStyle m_dateStyle;
    bool m_fitted = false;
    QTimer m_settling; // runs, once the window shows, while the window manager may still place it
    QTimer m_refit;    // the next check, at once when the events in hand are done
    bool m_shown = false; // the window has been shown on the screen (exposed) once
    int m_settleFits = 0; // checks since then
    bool m_inputProblems = false; // a field says it cannot be read
    QTimer m_savedTimer;          // takes the line saying where a card went away again
};

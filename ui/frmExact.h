// The exact-nadir window: date, time (or only the two-hour slot) and place of birth in; the Imum Coeli,
// Ascendant and Midheaven to the arc-minute, a chart wheel and the quick reading beside them out, computed
// again whenever the request the inputs make changes. A one-page reading card can be saved or copied.
//
//   inputs --readInputs--> exact::Request --exact::Compute--> exact::Result --showResult--> labels, wheel,
//   picture
//
// It stores nothing about a reading; closing it just unloads it.
#pragma once

#include "ExactReading.h"
#include "ReadingCard.h"

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

    // The card of the reading shown now.
    ReadingCard card() const;
    // Where "Save Reading…" writes: by default a file dialog; tests give a path instead. An empty path
    // cancels; after a failed save the chooser is asked again.
    void setSavePathChooser(std::function<QString()> chooser) { m_chooseSavePath = std::move(chooser); }
    // The folder the file dialog of "Save Reading…" starts in: the one a card was last saved to in this
    // session, else the person's Pictures folder, else Documents, else home.
    static QString saveFolder();
    // `path` with `ending` added, unless it already ends so (in any case): "card.txt" -> "card.txt.png".
    static QString WithFormatEnding(const QString &path, const QString &ending);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void txtPlace_Change(const QString &text);
    void txtPlace_Enter();
    void cmdSave_Click();
    void cmdCopy_Click();
    void optNadirRule_Click();
    void cmbZodiac_Change();

    void pickPlace(const quorvis::places::Place *place);
    void updateModes();
    void refresh();
    void showResult();
    void fitWrappedTexts();
    void showChoices();
    // The sign the interpretation and the picture are of: the Imum Coeli's, or the whole-sign nadir where the
    // person chose it and the two differ.
    int interpretedSign(const quorvis::exact::Candidate &c) const;
    bool byRisingSign(const quorvis::exact::Candidate &c) const;
    // The reading shown: the one chosen among several, else the only one; nothing without a reading.
    const quorvis::exact::Candidate *shownCandidate() const;
    // The request the inputs make; nothing while they are incomplete, and a sentence in `problem` when one
    // cannot be read, with the field it concerns.
    std::optional<quorvis::exact::Request> readInputs(QString *problem, QWidget **field) const;
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
};

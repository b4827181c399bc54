// The exact-nadir window: date, time (or only the two-hour slot) and place of birth in; the Imum Coeli,
// Ascendant and Midheaven to the arc-minute, a chart wheel and the quick reading beside them out, updated on
// every change of the inputs. A one-page reading card can be saved or copied.
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
#include <vector>

class ProgramHost;
class QLabel;
class QListView;
class QModelIndex;
class QStringListModel;

namespace Ui {
class frmExact;
}

class frmExact : public QWidget
{
    Q_OBJECT
public:
    explicit frmExact(ProgramHost &host, QWidget *parent = nullptr);
    ~frmExact() override;

    // Takes the name, the date and the slot from the main window's inputs (found by their control names).
    void prefillFrom(const QWidget *mainWindow);

    // The card of the reading shown now.
    ReadingCard card() const;
    // Where "Save Reading…" writes: by default a file dialog; tests give a path instead. An empty path
    // cancels.
    void setSavePathChooser(std::function<QString()> chooser) { m_chooseSavePath = std::move(chooser); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void txtPlace_Change(const QString &text);
    void txtPlace_Enter();
    void placeList_Click(const QModelIndex &index);
    void cmdSave_Click();
    void cmdCopy_Click();

    void pickPlace(const quorvis::places::Place *place);
    QString placeLabel(const quorvis::places::Place *place) const;
    void openPlaceList(bool toFirstMatch);
    void closePlaceList();
    void placePlaceList();
    bool placeFieldKey(QKeyEvent *event);
    bool placeListKey(QKeyEvent *event);
    void updateModes();
    void refresh();
    void showResult();
    // The request the inputs make; nothing while they are incomplete, and a sentence in `problem` when one
    // cannot be read, with the field it concerns.
    std::optional<quorvis::exact::Request> readInputs(QString *problem, QWidget **field) const;
    QString chooseSavePath();

    ProgramHost &m_host;
    std::unique_ptr<Ui::frmExact> ui;
    QStringListModel *m_placeModel = nullptr;
    QListView *m_placeList = nullptr; // the matches, in the window so that it can take the keyboard focus
    std::vector<const quorvis::places::Place *> m_matches; // the list's rows, in order
    const quorvis::places::Place *m_place = nullptr;
    quorvis::exact::Result m_result;
    bool m_complete = false; // the inputs are enough for a reading (m_result then says how it went)
    int m_pictureSign = -1;  // the sign whose picture is shown
    std::function<QString()> m_chooseSavePath;
};

// The places a search finds for what is typed in a field, dropped down under the field inside its window
// rather than in a pop-up of its own: Qt shows pop-ups to no screen reader, and a pop-up never holds the
// keyboard focus, so moving through one was silent. Down in the field moves the focus into the list, each row
// reached is announced, typing still goes to the field, and Enter or a click picks the row's place.
#pragma once

#include <QListView>

#include <vector>

class QLineEdit;
class QStringListModel;

namespace quorvis::places {
struct Place;
}

class PlaceList : public QListView
{
    Q_OBJECT
public:
    // A list for `field`, shown within `window` (an ancestor of the field).
    PlaceList(QLineEdit *field, QWidget *window);
    ~PlaceList() override;

    // Shows these places as rows (drops down), or closes when there are none.
    void setMatches(std::vector<const quorvis::places::Place *> matches);
    const std::vector<const quorvis::places::Place *> &matches() const { return m_matches; }
    // A place's name; where the matches hold another place of the same name, with its coordinates too.
    QString label(const quorvis::places::Place *place) const;
    // Hides the list, handing the focus back to the field if the list had it.
    void dismiss();

Q_SIGNALS:
    void picked(const quorvis::places::Place *place);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open(bool toFirstMatch);
    void reposition();
    void pick(const QModelIndex &index);
    bool fieldKey(QKeyEvent *event);
    bool listKey(QKeyEvent *event);

    QLineEdit *m_field;
    QStringListModel *m_model;
    std::vector<const quorvis::places::Place *> m_matches; // the rows, in order
};

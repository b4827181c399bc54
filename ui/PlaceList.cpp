#include "PlaceList.h"

#include "ExactReading.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>
#include <QStyle>

using quorvis::places::Place;

namespace {

constexpr int VisibleRows = 10;

} // namespace

PlaceList::PlaceList(QLineEdit *field, QWidget *window)
    : QListView(window), m_field(field), m_model(new QStringListModel(this))
{
    setObjectName(QStringLiteral("lstPlaces"));
    setAccessibleName(tr("Places found"));
    setModel(m_model);
    setFont(field->font());
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::ClickFocus); // reached by Down, not by Tab
    hide();
    installEventFilter(this);
    m_field->installEventFilter(this);
    connect(this, &QAbstractItemView::clicked, this, &PlaceList::pick);
    // Like any drop-down, the list goes away when the focus goes elsewhere (or the window loses it).
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (isVisible() && now != m_field && now != this)
            dismiss();
    });
}

// The application outlives the list: its focus changes are no longer the list's business once the window is
// being taken down (closing it on destruction moves the focus).
PlaceList::~PlaceList() { disconnect(qApp, &QApplication::focusChanged, this, nullptr); }

void PlaceList::setMatches(std::vector<const Place *> matches)
{
    m_matches = std::move(matches);
    QStringList rows;
    for (const Place *place : m_matches)
        rows << label(place);
    m_model->setStringList(rows);
    if (m_matches.empty())
        dismiss();
    else
        open(false);
}

QString PlaceList::label(const Place *place) const
{
    const QString name = quorvis::exact::PlaceName(*place);
    for (const Place *other : m_matches)
        if (other != place && quorvis::exact::PlaceName(*other) == name)
            return QStringLiteral("%1 (%2)").arg(
                name, quorvis::exact::FormatCoordinates(place->latitude, place->longitude));
    return name;
}

void PlaceList::open(bool toFirstMatch)
{
    if (m_matches.empty())
        return;
    reposition();
    show();
    raise();
    if (toFirstMatch) {
        // Focus first: the row made current then is announced as the focused item.
        setFocus(Qt::OtherFocusReason);
        setCurrentIndex(m_model->index(0, 0));
    }
}

void PlaceList::dismiss()
{
    if (hasFocus()) // before hiding, or Qt would hand the focus to the next control
        m_field->setFocus(Qt::OtherFocusReason);
    hide();
}

// Under the field, as wide as the longest row needs up to the window's right edge.
void PlaceList::reposition()
{
    QWidget *window = parentWidget();
    const QPoint topLeft = m_field->mapTo(window, QPoint(0, m_field->height()));
    const int frame = 2 * frameWidth();
    const int rows = qMin(m_model->rowCount(), VisibleRows);
    const int scrollBar =
        m_model->rowCount() > VisibleRows ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    const int margin = topLeft.x() / 2;
    const int width = qMin(qMax(m_field->width(), sizeHintForColumn(0) + frame + scrollBar),
                           window->width() - topLeft.x() - margin);
    const int height = qMin(rows * sizeHintForRow(0) + frame, window->height() - topLeft.y());
    setGeometry(QRect(topLeft, QSize(width, height)));
}

// A row stands for the place it was made from, not for its text: two towns may share a name.
void PlaceList::pick(const QModelIndex &index)
{
    if (!index.isValid() || index.row() >= static_cast<int>(m_matches.size()))
        return;
    const Place *chosen = m_matches[static_cast<std::size_t>(index.row())];
    dismiss();
    Q_EMIT picked(chosen);
}

bool PlaceList::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_field)
            return fieldKey(key);
        if (watched == this)
            return listKey(key);
    } else if (watched == m_field && (event->type() == QEvent::Resize || event->type() == QEvent::Move) &&
               isVisible()) {
        reposition();
    }
    return QListView::eventFilter(watched, event);
}

// In the field: Down goes into the list, to the best match; an open list takes Esc before the window.
bool PlaceList::fieldKey(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & ~(Qt::KeypadModifier | Qt::AltModifier));
    if (plain && event->key() == Qt::Key_Down && !m_matches.empty()) {
        open(true);
        return true;
    }
    if (event->key() == Qt::Key_Escape && isVisible()) {
        dismiss();
        return true;
    }
    return false;
}

// In the list: the arrows, pages, Home and End move through it, Enter picks, Esc closes it, Up from the first
// row goes back to the field; everything else is typing (or Tab), which belongs to the field.
bool PlaceList::listKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        pick(currentIndex());
        return true;
    case Qt::Key_Escape:
        dismiss();
        return true;
    case Qt::Key_Up:
        if (currentIndex().row() > 0)
            return false;
        clearSelection();
        setCurrentIndex(QModelIndex());
        m_field->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return false;
    default:
        m_field->setFocus(Qt::OtherFocusReason);
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
            dismiss();
        QCoreApplication::sendEvent(m_field, event);
        return true;
    }
}

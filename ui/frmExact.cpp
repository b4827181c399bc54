#include "frmExact.h"
#include "ui_frmExact.h"

#include "ProgramHost.h"
#include "SignImageList.h"
#include "WindowLook.h"
#include "reading.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListView>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QStyle>

using quorvis::places::Gazetteer;
using quorvis::places::Place;
namespace exact = quorvis::exact;

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A result label shows its text, names itself by it for screen readers, and steps aside when empty.
void showText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleName(text);
    label->setVisible(!text.isEmpty());
}

// Qt announces a plain top-level widget as a "filler"; a screen reader is to hear a window, by its title.
QAccessibleInterface *exactWindowAccessible(const QString &className, QObject *object)
{
    if (object && object->isWidgetType() &&
        className == QLatin1String(frmExact::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

constexpr int PlaceListRows = 10;

} // namespace

frmExact::frmExact(ProgramHost &host, QWidget *parent)
    : QWidget(parent), m_host(host), ui(std::make_unique<Ui::frmExact>())
{
    static const bool accessibleAsWindow = (QAccessible::installFactory(exactWindowAccessible), true);
    Q_UNUSED(accessibleAsWindow);
    ui->setupUi(this);
    setWindowFlags(Qt::Window);
    setWindowTitle(QStringLiteral("Exact Nadir - ") + ProgramTitleText());
    QMetaObject::invokeMethod(
        this, [this] { setWindowIcon(ProgramIcon()); }, Qt::QueuedConnection);

    // Fusion draws a spin box's arrows in the window-text colour, which on this form is the captions' yellow:
    // on the field's white they would all but vanish. They take the field's own text colour instead.
    QPalette timePalette = ui->tmeTime->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        timePalette.setColor(group, QPalette::WindowText, timePalette.color(group, QPalette::Text));
    ui->tmeTime->setPalette(timePalette);

    // The place list drops down over the window rather than in a pop-up window of its own: Qt shows pop-ups
    // to no screen reader, and a pop-up never holds the keyboard focus, so moving through it was silent.
    // Here Down moves the focus into the list and each row it reaches is announced; typing still goes to the
    // field.
    m_placeModel = new QStringListModel(this);
    m_placeList = new QListView(this);
    m_placeList->setObjectName(QStringLiteral("lstPlaces"));
    m_placeList->setAccessibleName(QStringLiteral("Places found"));
    m_placeList->setModel(m_placeModel);
    m_placeList->setFont(ui->txtPlace->font());
    m_placeList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_placeList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_placeList->setUniformItemSizes(true);
    m_placeList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_placeList->setFocusPolicy(Qt::ClickFocus); // reached by Down, not by Tab
    m_placeList->hide();
    m_placeList->installEventFilter(this);
    ui->txtPlace->installEventFilter(this);

    connect(ui->txtPlace, &QLineEdit::textEdited, this, &frmExact::txtPlace_Change);
    connect(ui->txtPlace, &QLineEdit::returnPressed, this, &frmExact::txtPlace_Enter);
    connect(m_placeList, &QAbstractItemView::clicked, this, &frmExact::placeList_Click);
    // Like any drop-down, the list goes away when the focus goes elsewhere (or the window loses it).
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (m_placeList->isVisible() && now != ui->txtPlace && now != m_placeList)
            closePlaceList();
    });

    connect(ui->txtName, &QLineEdit::textChanged, this, &frmExact::refresh);
    connect(ui->dteDate, &QDateEdit::dateChanged, this, &frmExact::refresh);
    connect(ui->tmeTime, &QTimeEdit::timeChanged, this, &frmExact::refresh);
    connect(ui->cmbSlot, &QComboBox::currentIndexChanged, this, &frmExact::refresh);
    connect(ui->txtLatitude, &QLineEdit::textChanged, this, &frmExact::refresh);
    connect(ui->txtLongitude, &QLineEdit::textChanged, this, &frmExact::refresh);
    connect(ui->txtZone, &QLineEdit::textChanged, this, &frmExact::refresh);
    connect(ui->chkSlotOnly, &QCheckBox::toggled, this, &frmExact::updateModes);
    connect(ui->chkCoordinates, &QCheckBox::toggled, this, &frmExact::updateModes);
    connect(ui->optChoice1, &QRadioButton::toggled, this, &frmExact::showResult);

    connect(ui->cmdSave, &QPushButton::clicked, this, &frmExact::cmdSave_Click);
    connect(ui->cmdCopy, &QPushButton::clicked, this, &frmExact::cmdCopy_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);

    Form_Load();
    resize(minimumSizeHint().expandedTo(minimumSize()));
    CentreOnScreen(this);
}

// The application outlives the window: its focus changes are no longer this window's business once the form
// is gone (closing it on destruction moves the focus).
frmExact::~frmExact() { disconnect(qApp, &QApplication::focusChanged, this, nullptr); }

void frmExact::Form_Load()
{
    for (std::string_view slot : quorvis::TimeSlots)
        ui->cmbSlot->addItem(toQString(slot));
    ui->dteDate->setDate(QDate(1990, 1, 1));
    ui->tmeTime->setTime(QTime(12, 0));
    ui->optChoice1->setChecked(true);
    updateModes();
    ui->txtPlace->setFocus();
}

void frmExact::prefillFrom(const QWidget *mainWindow)
{
    const auto list = [mainWindow](const char *name) {
        return mainWindow->findChild<QComboBox *>(QLatin1String(name));
    };
    if (const auto *name = mainWindow->findChild<QLineEdit *>(QStringLiteral("txtName")))
        ui->txtName->setText(name->text());
    const QComboBox *day = list("cmbDate");
    const QComboBox *month = list("cmbMonth");
    const QComboBox *year = list("cmbYear");
    if (day && month && year) {
        const QDate first(year->currentText().toInt(), month->currentIndex() + 1, 1);
        if (first.isValid())
            ui->dteDate->setDate(first.addDays(qMin(day->currentIndex(), first.daysInMonth() - 1)));
    }
    if (const QComboBox *slot = list("cmbTime"); slot && slot->currentIndex() >= 0) {
        ui->cmbSlot->setCurrentIndex(slot->currentIndex());
        ui->tmeTime->setTime(exact::SlotStart(slot->currentIndex()));
    }
}

// Each keystroke asks the gazetteer (loaded on the first one) for the best ten places; the list drops down.
void frmExact::txtPlace_Change(const QString &text)
{
    m_place = nullptr;
    m_matches = text.trimmed().isEmpty() ? std::vector<const Place *>{}
                                         : Gazetteer::instance().search(QStringView(text).trimmed(), 10);
    QStringList names;
    for (const Place *place : m_matches)
        names << placeLabel(place);
    m_placeModel->setStringList(names);
    if (m_matches.empty())
        closePlaceList();
    else
        openPlaceList(false);
    refresh();
}

// Enter in the field takes the best match, as the command-line tool does, and closes the list.
void frmExact::txtPlace_Enter()
{
    closePlaceList();
    if (!m_place && !m_matches.empty())
        pickPlace(m_matches.front());
}

// A row stands for the place it was made from, not for its text: two towns may share a name.
void frmExact::placeList_Click(const QModelIndex &index)
{
    if (!index.isValid() || index.row() >= static_cast<int>(m_matches.size()))
        return;
    const Place *place = m_matches[static_cast<std::size_t>(index.row())];
    closePlaceList();
    pickPlace(place);
}

// The place's name, and where the matches hold another place of the same name, its coordinates too.
QString frmExact::placeLabel(const Place *place) const
{
    const QString name = place->displayName();
    for (const Place *other : m_matches)
        if (other != place && other->displayName() == name)
            return name + QLatin1String(" (") + exact::FormatCoordinates(place->latitude, place->longitude) +
                   QLatin1Char(')');
    return name;
}

void frmExact::openPlaceList(bool toFirstMatch)
{
    if (m_matches.empty())
        return;
    placePlaceList();
    m_placeList->show();
    m_placeList->raise();
    if (toFirstMatch) {
        // Focus first: the row made current then is announced as the focused item.
        m_placeList->setFocus(Qt::OtherFocusReason);
        m_placeList->setCurrentIndex(m_placeModel->index(0, 0));
    }
}

void frmExact::closePlaceList()
{
    if (m_placeList->hasFocus()) // before hiding, or Qt would hand the focus to the next control
        ui->txtPlace->setFocus(Qt::OtherFocusReason);
    m_placeList->hide();
}

// Under the field, as wide as the longest row needs up to the window's right edge.
void frmExact::placePlaceList()
{
    const QPoint topLeft = ui->txtPlace->mapTo(this, QPoint(0, ui->txtPlace->height()));
    const int frame = 2 * m_placeList->frameWidth();
    const int rows = qMin(m_placeModel->rowCount(), PlaceListRows);
    const int scrollBar = m_placeModel->rowCount() > PlaceListRows
                              ? m_placeList->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                              : 0;
    const int margin = topLeft.x() / 2;
    const int width = qMin(qMax(ui->txtPlace->width(), m_placeList->sizeHintForColumn(0) + frame + scrollBar),
                           this->width() - topLeft.x() - margin);
    const int height = qMin(rows * m_placeList->sizeHintForRow(0) + frame, this->height() - topLeft.y());
    m_placeList->setGeometry(QRect(topLeft, QSize(width, height)));
}

bool frmExact::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == ui->txtPlace)
            return placeFieldKey(key);
        if (watched == m_placeList)
            return placeListKey(key);
    } else if (watched == ui->txtPlace &&
               (event->type() == QEvent::Resize || event->type() == QEvent::Move) &&
               m_placeList->isVisible()) {
        placePlaceList();
    }
    return QWidget::eventFilter(watched, event);
}

// In the field: Down goes into the list, to the best match; an open list takes Esc before the window.
bool frmExact::placeFieldKey(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & ~(Qt::KeypadModifier | Qt::AltModifier));
    if (plain && event->key() == Qt::Key_Down && !m_matches.empty()) {
        openPlaceList(true);
        return true;
    }
    if (event->key() == Qt::Key_Escape && m_placeList->isVisible()) {
        closePlaceList();
        return true;
    }
    return false;
}

// In the list: the arrows, pages, Home and End move through it, Enter picks, Esc closes it, Up from the first
// row goes back to the field; everything else is typing (or Tab), which belongs to the field.
bool frmExact::placeListKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        placeList_Click(m_placeList->currentIndex());
        return true;
    case Qt::Key_Escape:
        closePlaceList();
        return true;
    case Qt::Key_Up:
        if (m_placeList->currentIndex().row() > 0)
            return false;
        m_placeList->clearSelection();
        m_placeList->setCurrentIndex(QModelIndex());
        ui->txtPlace->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return false;
    default:
        ui->txtPlace->setFocus(Qt::OtherFocusReason);
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
            closePlaceList();
        QCoreApplication::sendEvent(ui->txtPlace, event);
        return true;
    }
}

void frmExact::pickPlace(const Place *place)
{
    m_place = place;
    ui->txtPlace->setText(placeLabel(place));
    ui->txtPlace->setCursorPosition(0); // the name's beginning, not its end, when it is longer than the field
    // The typed coordinates start from the chosen place.
    const QSignalBlocker blockLatitude(ui->txtLatitude), blockLongitude(ui->txtLongitude),
        blockZone(ui->txtZone);
    ui->txtLatitude->setText(QString::number(place->latitude, 'f', 4));
    ui->txtLongitude->setText(QString::number(place->longitude, 'f', 4));
    ui->txtZone->setText(place->zone);
    refresh();
}

void frmExact::updateModes()
{
    const bool slotOnly = ui->chkSlotOnly->isChecked();
    ui->tmeTime->setEnabled(!slotOnly);
    ui->cmbSlot->setEnabled(slotOnly);
    const bool coordinates = ui->chkCoordinates->isChecked();
    ui->txtPlace->setEnabled(!coordinates);
    for (QWidget *w : {static_cast<QWidget *>(ui->txtLatitude), static_cast<QWidget *>(ui->txtLongitude),
                       static_cast<QWidget *>(ui->txtZone)})
        w->setEnabled(coordinates);
    refresh();
}

std::optional<exact::Request> frmExact::readInputs(QString *problem, QWidget **field) const
{
    exact::Request in;
    in.date = ui->dteDate->date();
    if (ui->chkSlotOnly->isChecked())
        in.slot = qMax(0, ui->cmbSlot->currentIndex());
    else
        in.time = ui->tmeTime->time();
    if (ui->chkCoordinates->isChecked()) {
        const QString latitude = ui->txtLatitude->text().trimmed();
        const QString longitude = ui->txtLongitude->text().trimmed();
        const QString zone = ui->txtZone->text().trimmed();
        if (latitude.isEmpty() || longitude.isEmpty() || zone.isEmpty())
            return std::nullopt;
        const std::optional<double> north = exact::ParseDegrees(latitude, 90);
        const std::optional<double> east = exact::ParseDegrees(longitude, 180);
        in.clock = quorvis::places::Clock::parse(zone);
        if (!north)
            *problem = exact::BadLatitudeMessage(latitude), *field = ui->txtLatitude;
        else if (!east)
            *problem = exact::BadLongitudeMessage(longitude), *field = ui->txtLongitude;
        else if (!in.clock)
            *problem = exact::UnknownClockMessage(zone), *field = ui->txtZone;
        in.latitude = north.value_or(0);
        in.longitude = east.value_or(0);
    } else {
        if (!m_place)
            return std::nullopt;
        in.place = m_place;
        in.latitude = m_place->latitude;
        in.longitude = m_place->longitude;
        in.clock = quorvis::places::Clock::zone(m_place->zone);
    }
    return in;
}

void frmExact::refresh()
{
    // With the time known, the (disabled) slot list shows the slot it falls in, which the quick reading uses
    // and which "only the two-hour slot" starts from.
    if (!ui->chkSlotOnly->isChecked()) {
        const QSignalBlocker quiet(ui->cmbSlot);
        ui->cmbSlot->setCurrentIndex(exact::SlotOfTime(ui->tmeTime->time()));
    }
    // A field that cannot be read says so beneath itself, and there is no reading.
    QString problem;
    QWidget *field = nullptr;
    const std::optional<exact::Request> request = readInputs(&problem, &field);
    m_complete = request && problem.isEmpty();
    m_result = m_complete ? exact::Compute(*request) : exact::Result{};
    showText(ui->lblInputProblem, problem);
    for (QWidget *input : {static_cast<QWidget *>(ui->txtLatitude), static_cast<QWidget *>(ui->txtLongitude),
                           static_cast<QWidget *>(ui->txtZone)})
        input->setAccessibleDescription(input == field ? problem : QString());
    showResult();
}

void frmExact::showResult()
{
    const exact::Result &r = m_result;
    const bool chosen = r.candidates.size() == 2 && ui->optChoice2->isChecked();
    const exact::Candidate *c = !r.ok() ? nullptr : &r.candidates[chosen ? 1 : 0];

    showText(ui->lblPlaceChosen, m_place ? exact::FormatCoordinates(m_place->latitude, m_place->longitude) +
                                               QLatin1String(", ") + m_place->zone
                                         : QString());
    showText(ui->lblIC, c ? c->ic : QString());
    showText(ui->lblAscendant, c ? c->asc : QString());
    showText(ui->lblMidheaven, c ? c->mc : QString());
    QString slot = r.slotChanges.isEmpty() ? QString() : QLatin1String("During the slot: ") + r.slotChanges;
    if (!r.slotJumps.isEmpty())
        slot += QLatin1String(". ") + r.slotJumps;
    showText(ui->lblSlotChanges, c ? slot : QString());
    QStringList explanation;
    if (!r.problem.isEmpty())
        explanation << r.problem;
    else if (!m_complete && ui->lblInputProblem->text().isEmpty())
        explanation << QStringLiteral(
            "Give the date, the time and the place of birth to see the exact nadir.");
    else {
        if (!r.ambiguity.isEmpty())
            explanation << r.ambiguity + (r.kind == quorvis::places::WallTimeKind::Gap
                                              ? QStringLiteral(" The two possible readings:")
                                              : QStringLiteral(" Which of the two offsets applied?"));
        if (!r.meanTimeNote.isEmpty())
            explanation << r.meanTimeNote;
    }
    showText(ui->lblExplanation, explanation.join(QLatin1Char(' ')));

    const bool choice = c && r.candidates.size() == 2;
    ui->wdgChoice->setVisible(choice);
    if (choice) {
        ui->optChoice1->setText(r.candidates[0].choice);
        ui->optChoice1->setAccessibleName(r.candidates[0].choice);
        ui->optChoice2->setText(r.candidates[1].choice);
        ui->optChoice2->setAccessibleName(r.candidates[1].choice);
        showText(ui->lblChoice1, r.candidates[0].ic);
        showText(ui->lblChoice2, r.candidates[1].ic);
    }
    showText(ui->lblPolar, c ? r.polarNote : QString());
    showText(ui->lblTimeUsed, c ? c->timeUsed : QString());
    showText(ui->lblPlaceUsed, c ? r.placeUsed : QString());
    showText(ui->lblQuick, c ? r.quickReading : QString());
    showText(ui->lblQuickWhy, c ? r.quickWhy : QString());

    ui->wheel->setAngles(c ? std::optional(c->angles) : std::nullopt);
    const QString sign = c ? exact::SignName(c->nadirSign) : QString();
    showText(ui->lblInterpretation, toQString(quorvis::FindInterpretation(sign.toStdString())));
    if (c && c->nadirSign != m_pictureSign) // a picture is decoded only when the sign changes
        ui->picSign->setPixmap(SignImageList::picture(c->nadirSign + 1, devicePixelRatioF()));
    m_pictureSign = c ? c->nadirSign : -1;
    ui->picSign->setAccessibleName(sign);
    ui->picSign->setVisible(c != nullptr);

    for (QPushButton *b : {ui->cmdSave, ui->cmdCopy})
        b->setEnabled(c != nullptr);
}

ReadingCard frmExact::card() const
{
    ReadingCard card;
    const QString name = ui->txtName->text().trimmed();
    card.title = name.isEmpty() ? QStringLiteral("Exact nadir reading")
                                : QStringLiteral("Exact nadir reading for ") + name;
    const exact::Result &r = m_result;
    const bool chosen = r.candidates.size() == 2 && ui->optChoice2->isChecked();
    if (!r.ok()) {
        card.nadir = QStringLiteral("No reading yet");
        return card;
    }
    const exact::Candidate &c = r.candidates[chosen ? 1 : 0];
    card.nadir = c.ic;
    card.angles = c.angles;
    card.results << c.asc << c.mc;
    if (!r.slotChanges.isEmpty())
        card.results << QLatin1String("During the slot: ") + r.slotChanges;
    if (!r.slotJumps.isEmpty())
        card.results << r.slotJumps;
    if (!r.ambiguity.isEmpty())
        card.results << r.ambiguity;
    if (!r.meanTimeNote.isEmpty())
        card.results << r.meanTimeNote;
    if (!c.choice.isEmpty())
        card.results << QLatin1String("Reading shown: ") + c.choice;
    if (!r.polarNote.isEmpty())
        card.results << r.polarNote;
    card.results << r.quickReading;
    card.results << toQString(
        quorvis::FindInterpretation(quorvis::ZodiacSigns[static_cast<std::size_t>(c.nadirSign)]));

    const QString day = QLocale::c().toString(ui->dteDate->date(), QStringLiteral("d MMMM yyyy"));
    card.dataUsed << (ui->chkSlotOnly->isChecked()
                          ? QStringLiteral("Born %1, between %2").arg(day, ui->cmbSlot->currentText())
                          : QStringLiteral("Born %1 at %2").arg(day, ui->tmeTime->time().toString(u"HH:mm")));
    card.dataUsed << QLatin1String("Time used: ") + c.timeUsed << QLatin1String("Place: ") + r.placeUsed;
    return card;
}

QString frmExact::chooseSavePath()
{
    if (m_chooseSavePath)
        return m_chooseSavePath();
    const QString png = QStringLiteral("PNG image (*.png)"), svg = QStringLiteral("SVG drawing (*.svg)"),
                  pdf = QStringLiteral("PDF document (*.pdf)");
#ifdef QUORVIS_SVG_CARD
    const QStringList filters{png, svg, pdf};
#else
    const QStringList filters{png, pdf};
#endif
    QString filter = png;
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save Reading"), QStringLiteral("exact-nadir.png"),
                                     filters.join(QLatin1String(";;")), &filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += filter == svg   ? QLatin1String(".svg")
                : filter == pdf ? QLatin1String(".pdf")
                                : QLatin1String(".png");
    return path;
}

void frmExact::cmdSave_Click()
{
    const QString path = chooseSavePath();
    if (!path.isEmpty())
        card().save(path);
}

void frmExact::cmdCopy_Click()
{
    const ReadingCard c = card();
    auto *data = new QMimeData;
    data->setImageData(c.image(QSize(1240, 1754)));
    data->setText(c.text());
    QGuiApplication::clipboard()->setMimeData(data);
}

// Esc closes the window (an open place list or calendar takes its own Esc first); Enter presses the focused
// button and does nothing elsewhere.
void frmExact::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
    if (plain && event->key() == Qt::Key_Escape) {
        event->accept();
        close();
        return;
    }
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmExact::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void frmExact::Form_Unload() { m_host.windowUnloaded(this); }

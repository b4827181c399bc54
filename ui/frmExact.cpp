#include "frmExact.h"
#include "ui_frmExact.h"

#include "ExactTexts.h"
#include "Messages.h"
#include "PlaceList.h"
#include "ProgramHost.h"
#include "SettingsKeys.h"
#include "SignImageList.h"
#include "Translated.h"
#include "WindowLook.h"
#include "reading.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStyleOption>
#include <QWindow>

using quorvis::places::Place;
namespace exact = quorvis::exact;

namespace {

// The width at which `field` shows its placeholder whole: the text, the frame and the field's own 2 px on each
// side, its text margins and, when it has one, the clear button's room.
int widthForPlaceholder(const QLineEdit *field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const int frame =
        option.rect.width() - field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field).width();
    const QMargins margins = field->textMargins();
    const int clear =
        field->isClearButtonEnabled() ? field->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, field) + 4 : 0;
    return field->fontMetrics().horizontalAdvance(field->placeholderText()) + frame + 4 + margins.left() +
           margins.right() + clear + 1;
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

// The person's choice of the nadir sign interpreted where the two rules differ.
// How long the line saying where a card went stays.
constexpr int SavedShownMs = 8000;
constexpr char ByImumCoeli[] = "imum-coeli";
constexpr char ByRisingSign[] = "rising-sign";

// The folder a card was last saved to in this session.
QString &lastSaveFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString frmExact::saveFolder()
{
    if (!lastSaveFolder().isEmpty() && QDir(lastSaveFolder()).exists())
        return lastSaveFolder();
    for (const auto location : {QStandardPaths::PicturesLocation, QStandardPaths::DocumentsLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QDir(folder).exists())
            return folder;
    }
    return QDir::homePath();
}

frmExact::frmExact(ProgramHost &host, QWidget *parent)
    : QWidget(parent), m_host(host), ui(std::make_unique<Ui::frmExact>())
{
    static const bool accessibleAsWindow = (QAccessible::installFactory(exactWindowAccessible), true);
    Q_UNUSED(accessibleAsWindow);
    ui->setupUi(this);
    setWindowFlags(Qt::Window);
    setWindowTitle(tr("Exact Nadir - %1").arg(ProgramTitleText()));
    QMetaObject::invokeMethod(
        this, [this] { setWindowIcon(ProgramIcon()); }, Qt::QueuedConnection);

    m_placeList = new PlaceList(ui->txtPlace, this);
    connect(ui->txtPlace, &QLineEdit::textEdited, this, &frmExact::txtPlace_Change);
    connect(ui->txtPlace, &QLineEdit::returnPressed, this, &frmExact::txtPlace_Enter);
    connect(m_placeList, &PlaceList::picked, this, &frmExact::pickPlace);

    // The name is no input of the reading: the card alone uses it, when it is made.
    // The date and the time are typed text, read whole when the reading is made: a whole date typed over the
    // old one is that date, never the old year with a new day.
    connect(ui->txtDate, &QLineEdit::textChanged, this, &frmExact::refresh);
    connect(ui->txtTime, &QLineEdit::textChanged, this, &frmExact::refresh);
    connect(ui->cmbSlot, &QComboBox::currentIndexChanged, this, &frmExact::refresh);
    connect(ui->txtLatitude, &QLineEdit::textChanged, this, &frmExact::refresh);
    connect(ui->txtLongitude, &QLineEdit::textChanged, this, &frmExact::refresh);
    connect(ui->txtZone, &QLineEdit::textChanged, this, &frmExact::refresh);
    connect(ui->chkSlotOnly, &QCheckBox::toggled, this, &frmExact::updateModes);
    connect(ui->chkCoordinates, &QCheckBox::toggled, this, &frmExact::updateModes);
    m_choices = new QButtonGroup(this);
    m_choices->addButton(ui->optChoice1, 0);
    m_choices->addButton(ui->optChoice2, 1);
    connect(m_choices, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            showResult();
    });

    connect(ui->optNadirByIC, &QRadioButton::clicked, this, &frmExact::optNadirRule_Click);
    connect(ui->optNadirByRising, &QRadioButton::clicked, this, &frmExact::optNadirRule_Click);

    // The zodiac is chosen above the reading it changes, next in the Tab order after the inputs. (Every
    // letter of its English caption is another control's access key.)
    auto *zodiacRow = new QHBoxLayout;
    auto *zodiacLabel = new QLabel(tr("Zodiac"), ui->grpResult);
    m_cmbZodiac = new QComboBox(ui->grpResult);
    m_cmbZodiac->setObjectName(QStringLiteral("cmbZodiac"));
    zodiacLabel->setBuddy(m_cmbZodiac);
    zodiacRow->addWidget(zodiacLabel);
    zodiacRow->addWidget(m_cmbZodiac);
    zodiacRow->addStretch();
    static_cast<QBoxLayout *>(ui->grpResult->layout())->insertLayout(0, zodiacRow);
    setTabOrder(ui->txtZone, m_cmbZodiac);
    for (const quorvis::Zodiac zodiac : quorvis::AllZodiacs)
        m_cmbZodiac->addItem(exact::ZodiacChoiceText(zodiac), int(zodiac));

    connect(ui->cmdNew, &QPushButton::clicked, this, &frmExact::cmdNew_Click);
    connect(ui->cmdSave, &QPushButton::clicked, this, &frmExact::cmdSave_Click);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmExact::cmdPrint_Click);
    ui->cmdPrint->setShortcut(QKeySequence::Print);
    ui->cmdNew->setShortcut(QKeySequence::New);
    m_savedTimer.setSingleShot(true);
    m_savedTimer.setInterval(SavedShownMs);
    connect(&m_savedTimer, &QTimer::timeout, ui->lblSaved, &QLabel::hide);
    connect(ui->cmdCopy, &QPushButton::clicked, this, &frmExact::cmdCopy_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);

    Form_Load();
    // The example a field's placeholder gives is readable whole, in every language. A wrapping text asks for no
    // width of its own (it takes lines instead), so that a long result never squeezes the fields.
    for (QLineEdit *field : {ui->txtPlace, ui->txtLatitude, ui->txtLongitude, ui->txtZone})
        field->setMinimumWidth(std::max(field->minimumWidth(), widthForPlaceholder(field)));
    for (QLabel *label : findChildren<QLabel *>())
        if (label->wordWrap() && label->minimumWidth() == 0)
            label->setMinimumWidth(1);
    // The choice between the two rules shows only for a reading where they differ; the column keeps the width
    // it needs then, so that a longer language's option is not cut off when it appears.
    ui->wheel->setMinimumWidth(std::max(ui->wheel->minimumWidth(), ui->wdgNadirRule->minimumSizeHint().width()));
    // The columns scroll on a screen too small for them; they are drawn on the window's own ground.
    ui->scrContent->viewport()->setAutoFillBackground(false);
    ui->wdgContent->setAutoFillBackground(false);
}

// The list first: it follows the application's focus changes, which taking down the fields can cause.
frmExact::~frmExact() { delete m_placeList; }

void frmExact::Form_Load()
{
    for (std::string_view slot : quorvis::TimeSlots)
        ui->cmbSlot->addItem(Translated("TimeSlot", slot));
    ui->optChoice1->setChecked(true);
    const std::unique_ptr<QSettings> settings = m_host.openSettings();
    m_risingSignChosen = settings->value(QLatin1String(SettingsKeys::InterpretedNadirSign)).toString() ==
                         QLatin1String(ByRisingSign);
    (m_risingSignChosen ? ui->optNadirByRising : ui->optNadirByIC)->setChecked(true);
    const QByteArray zodiac = settings->value(QLatin1String(SettingsKeys::ExactZodiac)).toString().toLatin1();
    m_cmbZodiac->setCurrentIndex(m_cmbZodiac->findData(
        int(quorvis::ZodiacFromKey(std::string_view(zodiac.constData(), std::size_t(zodiac.size())))
                .value_or(quorvis::Zodiac::Tropical))));
    connect(m_cmbZodiac, &QComboBox::currentIndexChanged, this, &frmExact::cmbZodiac_Change);
    setRegion(QLocale::system());
    restoreInputs();
    updateModes();
    ui->txtPlace->setFocus();
}

void frmExact::setRegion(const QLocale &region)
{
    // A date already typed keeps its day: it is written again in the new region's way.
    QString unread;
    const std::optional<QDate> date = exact::ReadDate(ui->txtDate->text(), m_dateStyle, &unread);
    m_region = region;
    m_dateStyle = exact::DateStyle::of(region);
    ui->txtDate->setPlaceholderText(m_dateStyle.hint);
    ui->txtTime->setPlaceholderText(exact::TimeHint(region));
    if (date)
        ui->txtDate->setText(date->toString(m_dateStyle.pattern));
}

void frmExact::keepInputs() const
{
    const std::unique_ptr<QSettings> settings = m_host.openSettings();
    QString unread;
    const QString date = ui->txtDate->text().trimmed();
    const std::optional<QDate> day = exact::ReadDate(date, m_dateStyle, &unread);
    const QString time = ui->txtTime->text().trimmed();
    const std::optional<QTime> clock = exact::ReadTime(time, m_region, &unread);
    settings->setValue(QLatin1String(SettingsKeys::ExactName), ui->txtName->text());
    settings->setValue(QLatin1String(SettingsKeys::ExactDate), day ? day->toString(Qt::ISODate) : date);
    settings->setValue(QLatin1String(SettingsKeys::ExactTime), clock ? exact::ClockText(*clock) : time);
    settings->setValue(QLatin1String(SettingsKeys::ExactSlotOnly), ui->chkSlotOnly->isChecked());
    settings->setValue(QLatin1String(SettingsKeys::ExactSlot), ui->cmbSlot->currentIndex());
    settings->setValue(QLatin1String(SettingsKeys::ExactPlace), ui->txtPlace->text());
    settings->setValue(QLatin1String(SettingsKeys::ExactPlacePicked), m_place != nullptr);
    settings->setValue(QLatin1String(SettingsKeys::ExactCoordinates), ui->chkCoordinates->isChecked());
    settings->setValue(QLatin1String(SettingsKeys::ExactLatitude), ui->txtLatitude->text());
    settings->setValue(QLatin1String(SettingsKeys::ExactLongitude), ui->txtLongitude->text());
    settings->setValue(QLatin1String(SettingsKeys::ExactZone), ui->txtZone->text());
}

void frmExact::restoreInputs()
{
    const std::unique_ptr<QSettings> settings = m_host.openSettings();
    const auto text = [&settings](const char *key) { return settings->value(QLatin1String(key)).toString(); };
    ui->txtName->setText(text(SettingsKeys::ExactName));
    const QDate day = QDate::fromString(text(SettingsKeys::ExactDate), Qt::ISODate);
    ui->txtDate->setText(day.isValid() ? day.toString(m_dateStyle.pattern) : text(SettingsKeys::ExactDate));
    ui->txtTime->setText(text(SettingsKeys::ExactTime));
    ui->chkSlotOnly->setChecked(settings->value(QLatin1String(SettingsKeys::ExactSlotOnly)).toBool());
    const int slot = settings->value(QLatin1String(SettingsKeys::ExactSlot), -1).toInt();
    if (slot >= 0 && slot < ui->cmbSlot->count())
        ui->cmbSlot->setCurrentIndex(slot);
    ui->chkCoordinates->setChecked(settings->value(QLatin1String(SettingsKeys::ExactCoordinates)).toBool());
    ui->txtLatitude->setText(text(SettingsKeys::ExactLatitude));
    ui->txtLongitude->setText(text(SettingsKeys::ExactLongitude));
    ui->txtZone->setText(text(SettingsKeys::ExactZone));
    const QString place = text(SettingsKeys::ExactPlace);
    if (place.isEmpty())
        return;
    // A place picked from the list is found again by its name; one only typed is typed again.
    const Place *picked = settings->value(QLatin1String(SettingsKeys::ExactPlacePicked)).toBool()
                              ? exact::FindNamedPlace(place).place
                              : nullptr;
    if (picked) {
        const QSignalBlocker blockLatitude(ui->txtLatitude), blockLongitude(ui->txtLongitude),
            blockZone(ui->txtZone);
        const QString latitude = ui->txtLatitude->text(), longitude = ui->txtLongitude->text(),
                      zone = ui->txtZone->text();
        pickPlace(picked);
        if (ui->chkCoordinates->isChecked()) { // coordinates were typed over the place's own
            ui->txtLatitude->setText(latitude);
            ui->txtLongitude->setText(longitude);
            ui->txtZone->setText(zone);
        }
    } else {
        ui->txtPlace->setText(place);
        txtPlace_Change(place);
    }
}

// Empties the form for another person's reading.
void frmExact::cmdNew_Click()
{
    for (QLineEdit *field : {ui->txtName, ui->txtDate, ui->txtTime, ui->txtPlace, ui->txtLatitude,
                             ui->txtLongitude, ui->txtZone})
        field->clear();
    m_place = nullptr;
    m_placeList->setMatches({});
    ui->chkSlotOnly->setChecked(false);
    ui->chkCoordinates->setChecked(false);
    ui->cmbSlot->setCurrentIndex(0);
    ui->lblSaved->hide();
    refresh();
    ui->txtName->setFocus();
}

// What the person chose in the main window wins over what this window kept, but not the main window's
// untouched defaults (no name, the first day of its lists); a quick reading's name, date and slot always win.
void frmExact::prefillFrom(const QWidget *mainWindow, bool fromQuickReading)
{
    const auto list = [mainWindow](const char *name) {
        return mainWindow->findChild<QComboBox *>(QLatin1String(name));
    };
    if (const auto *name = mainWindow->findChild<QLineEdit *>(QStringLiteral("txtName"));
        name && (fromQuickReading || !name->text().isEmpty()))
        ui->txtName->setText(name->text());
    const QComboBox *day = list("cmbDate");
    const QComboBox *month = list("cmbMonth");
    const QComboBox *year = list("cmbYear");
    if (day && month && year &&
        (fromQuickReading || day->currentIndex() > 0 || month->currentIndex() > 0 ||
         year->currentIndex() > 0)) {
        const QDate first(year->currentText().toInt(), month->currentIndex() + 1, 1);
        if (first.isValid())
            ui->txtDate->setText(first.addDays(qMin(day->currentIndex(), first.daysInMonth() - 1))
                                     .toString(m_dateStyle.pattern));
    }
    if (const QComboBox *slot = list("cmbTime");
        slot && (fromQuickReading ? slot->currentIndex() >= 0 : slot->currentIndex() > 0))
        ui->cmbSlot->setCurrentIndex(slot->currentIndex());
    if (fromQuickReading)
        ui->chkSlotOnly->setChecked(true);
}

// Each keystroke asks for the places the text finds (the gazetteer loads on the first one); the list drops down.
void frmExact::txtPlace_Change(const QString &text)
{
    m_place = nullptr;
    m_placeList->setMatches(text.trimmed().isEmpty()
                                ? std::vector<const Place *>{}
                                : exact::FindPlaces(QStringView(text).trimmed()));
    refresh();
}

// Enter in the field takes the best match, as the command-line tool does, and closes the list.
void frmExact::txtPlace_Enter()
{
    m_placeList->dismiss();
    if (!m_place && !m_placeList->matches().empty())
        pickPlace(m_placeList->matches().front());
}

void frmExact::pickPlace(const Place *place)
{
    m_place = place;
    ui->txtPlace->setText(m_placeList->label(place));
    ui->txtPlace->setCursorPosition(0); // the name's beginning, not its end, when it is longer than the field
    // The typed coordinates start from the chosen place.
    const QSignalBlocker blockLatitude(ui->txtLatitude), blockLongitude(ui->txtLongitude),
        blockZone(ui->txtZone);
    ui->txtLatitude->setText(exact::FormatDegrees(place->latitude, 4));
    ui->txtLongitude->setText(exact::FormatDegrees(place->longitude, 4));
    ui->txtZone->setText(place->zone);
    refresh();
}

void frmExact::updateModes()
{
    const bool slotOnly = ui->chkSlotOnly->isChecked();
    ui->txtTime->setEnabled(!slotOnly);
    ui->cmbSlot->setEnabled(slotOnly);
    const bool coordinates = ui->chkCoordinates->isChecked();
    ui->txtPlace->setEnabled(!coordinates);
    for (QWidget *w : {static_cast<QWidget *>(ui->txtLatitude), static_cast<QWidget *>(ui->txtLongitude),
                       static_cast<QWidget *>(ui->txtZone)})
        w->setEnabled(coordinates);
    refresh();
}

std::optional<exact::Request> frmExact::readInputs(QHash<QWidget *, QString> &problems) const
{
    exact::Request in;
    in.zodiac = quorvis::Zodiac(m_cmbZodiac->currentData().toInt());
    const QString date = ui->txtDate->text().trimmed();
    const QString time = ui->txtTime->text().trimmed();
    const bool slotOnly = ui->chkSlotOnly->isChecked();
    const bool byCoordinates = ui->chkCoordinates->isChecked();
    // Every field that cannot be read says so; one not yet filled in makes no reading, silently.
    QString problem;
    if (!date.isEmpty()) {
        if (const std::optional<QDate> day = exact::ReadDate(date, m_dateStyle, &problem))
            in.date = *day;
        else
            problems.insert(ui->txtDate, problem);
    }
    if (!slotOnly && !time.isEmpty() && !(in.time = exact::ReadTime(time, m_region, &problem)))
        problems.insert(ui->txtTime, problem);
    const QString placeText = ui->txtPlace->text().trimmed();
    if (!byCoordinates && !m_place && !placeText.isEmpty() && m_placeList->matches().empty())
        problems.insert(ui->txtPlace,
                        tr("No place called “%1” in the list, which holds towns of %L2 people or more. Enter "
                           "coordinates instead?")
                            .arg(exact::ShownSafely(placeText))
                            .arg(quorvis::places::LeastPopulation));
    std::optional<double> north, east;
    if (byCoordinates) {
        const QString latitude = ui->txtLatitude->text().trimmed();
        const QString longitude = ui->txtLongitude->text().trimmed();
        const QString zone = ui->txtZone->text().trimmed();
        if (!latitude.isEmpty() && !(north = exact::ReadLatitude(latitude, &problem)))
            problems.insert(ui->txtLatitude, problem);
        if (!longitude.isEmpty() && !(east = exact::ReadLongitude(longitude, &problem)))
            problems.insert(ui->txtLongitude, problem);
        if (!zone.isEmpty() && !(in.clock = exact::ReadClock(zone, &problem)))
            problems.insert(ui->txtZone, problem);
    }
    if (!problems.isEmpty() || !in.date.isValid() || (!slotOnly && !in.time))
        return std::nullopt;
    if (slotOnly)
        in.slot = ui->cmbSlot->currentIndex();
    if (!byCoordinates) {
        if (!m_place)
            return std::nullopt;
        exact::UsePlace(in, *m_place);
        return in;
    }
    if (!north || !east || !in.clock)
        return std::nullopt;
    in.latitude = *north;
    in.longitude = *east;
    return in;
}

void frmExact::refresh()
{
    // With the time known, the (disabled) slot list shows the slot it falls in, which the quick reading uses
    // and which "only the two-hour slot" starts from.
    QString unread;
    if (const std::optional<QTime> time = exact::ReadTime(ui->txtTime->text(), m_region, &unread);
        time && !ui->chkSlotOnly->isChecked()) {
        const QSignalBlocker quiet(ui->cmbSlot);
        ui->cmbSlot->setCurrentIndex(exact::SlotOfTime(*time));
    }
    // A field that cannot be read says so beneath itself, for the eye and for a screen reader, and there is
    // no reading.
    QHash<QWidget *, QString> problems;
    std::optional<exact::Request> request = readInputs(problems);
    const std::pair<QWidget *, QLabel *> fields[] = {
        {ui->txtDate, ui->lblDateProblem},           {ui->txtTime, ui->lblTimeProblem},
        {ui->txtPlace, ui->lblPlaceProblem},         {ui->txtLatitude, ui->lblLatitudeProblem},
        {ui->txtLongitude, ui->lblLongitudeProblem}, {ui->txtZone, ui->lblZoneProblem}};
    for (const auto &[field, label] : fields) {
        const QString problem = problems.value(field);
        const bool news = !problem.isEmpty() && problem != label->text();
        showText(label, problem);
        field->setAccessibleDescription(problem);
        if (news) {
            QAccessibleEvent alert(label, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        }
    }
    m_inputProblems = !problems.isEmpty();
    if (request != m_request) {
        m_request = std::move(request);
        m_result = m_request ? exact::Compute(*m_request) : exact::Result{};
        // Each new result starts from its first reading; no option chosen for an earlier one stays checked.
        const QSignalBlocker quiet(m_choices);
        m_choices->button(0)->setChecked(true);
    }
    showResult();
}

const exact::Candidate *frmExact::shownCandidate() const
{
    if (!m_result.ok())
        return nullptr;
    const int chosen = m_result.candidates.size() > 1 ? m_choices->checkedId() : 0;
    return &m_result.candidates[chosen >= 0 && chosen < m_result.candidates.size() ? chosen : 0];
}

void frmExact::showResult()
{
    const exact::Result &r = m_result;
    const exact::Candidate *c = shownCandidate();

    // The place picked from the list, unless coordinates are typed instead.
    showText(ui->lblPlaceChosen,
             m_place && !ui->chkCoordinates->isChecked()
                 ? exact::PlaceText(nullptr, m_place->latitude, m_place->longitude, m_place->zone)
                 : QString());
    showText(ui->lblNadirSign, c ? exact::WithZodiac(c->nadirSigns, r.zodiac) : QString());
    showText(ui->lblIC, c ? c->ic : QString());
    showText(ui->lblAscendant, c ? c->asc : QString());
    showText(ui->lblMidheaven, c ? c->mc : QString());
    showText(ui->lblNadirChange, c ? c->nadirChangesNear.join(QLatin1Char(' ')) : QString());
    const QString slot =
        r.slotChanges.isEmpty() ? QString()
        : r.slotJumps.isEmpty()
            ? tr("During the slot: %1").arg(r.slotChanges)
            : tr("During the slot: %1. %2", "%2: what the clocks did").arg(r.slotChanges, r.slotJumps);
    showText(ui->lblSlotChanges, c ? slot : QString());
    QStringList explanation;
    if (!r.problem.isEmpty())
        explanation << r.problem;
    else if (!m_request && !m_inputProblems)
        explanation << tr("Give the date, the time and the place of birth to see the exact nadir.");
    else
        for (const QString &sentence : {r.ambiguity, r.readingsGiven, r.meanTimeNote})
            if (!sentence.isEmpty())
                explanation << sentence;
    showText(ui->lblExplanation, explanation.join(QLatin1Char(' ')));
    showChoices();
    showText(ui->lblPolar, c ? r.polarNote : QString());
    showText(ui->lblTimeUsed, c ? c->timeUsed : QString());
    showText(ui->lblPlaceUsed, c ? r.placeUsed : QString());
    showText(ui->lblQuick, c ? r.quickReading : QString());
    showText(ui->lblQuickWhy, c ? r.quickWhy : QString());
    showText(ui->lblNadirRules, exact::NadirRulesText());

    // Where the two rules differ, the person chooses whose sign is interpreted; the wheel marks the fourth
    // house counted by whole signs beside the Imum Coeli.
    ui->wdgNadirRule->setVisible(c && c->nadirRulesDiffer());
    ui->wheel->setAngles(c ? std::optional(c->angles) : std::nullopt,
                         c && c->nadirRulesDiffer() ? std::optional(c->wholeSignNadir) : std::nullopt);
    const int interpreted = c ? interpretedSign(*c) : -1;
    const QString sign = c ? exact::SignName(interpreted) : QString();
    showText(ui->lblInterpretation,
             c ? Translated("Interpretation", quorvis::Interpretations[std::size_t(interpreted)])
               : QString());
    if (c && interpreted != m_pictureSign) // a picture is decoded only when the sign changes
        ui->picSign->setPixmap(SignImageList::picture(interpreted + 1, devicePixelRatioF()));
    m_pictureSign = interpreted;
    ui->picSign->setAccessibleName(sign);
    ui->picSign->setVisible(c != nullptr);

    for (QPushButton *b : {ui->cmdSave, ui->cmdPrint, ui->cmdCopy})
        b->setEnabled(c != nullptr);
}

// One option per reading, each with its Imum Coeli beside it. The form holds two rows; a third or more (rare:
// a local time that showed three times) is made like the second.
void frmExact::showChoices()
{
    const QList<exact::Candidate> &candidates = m_result.candidates;
    const int shown = m_result.ok() && candidates.size() > 1 ? int(candidates.size()) : 0;
    auto *grid = static_cast<QGridLayout *>(ui->wdgChoice->layout());
    for (int row = int(m_choices->buttons().size()); row < shown; ++row) {
        auto *option = new QRadioButton(ui->wdgChoice);
        option->setObjectName(QStringLiteral("optChoice%1").arg(row + 1));
        option->setFont(ui->optChoice2->font());
        option->setPalette(ui->optChoice2->palette());
        auto *result = new QLabel(ui->wdgChoice);
        result->setObjectName(QStringLiteral("lblChoice%1").arg(row + 1));
        result->setFont(ui->lblChoice2->font());
        result->setPalette(ui->lblChoice2->palette());
        result->setTextInteractionFlags(ui->lblChoice2->textInteractionFlags());
        grid->addWidget(option, row, 0);
        grid->addWidget(result, row, 1);
        m_choices->addButton(option, row);
    }
    ui->wdgChoice->setVisible(shown > 0);
    for (int row = 0; row < int(m_choices->buttons().size()); ++row) {
        QAbstractButton *option = m_choices->button(row);
        auto *result = qobject_cast<QLabel *>(grid->itemAtPosition(row, 1)->widget());
        option->setVisible(row < shown);
        const QString choice = row < shown ? candidates[row].choice : QString();
        option->setText(choice);
        option->setAccessibleName(choice);
        showText(result, row < shown ? candidates[row].ic : QString());
    }
}

bool frmExact::byRisingSign(const exact::Candidate &c) const
{
    return m_risingSignChosen && c.nadirRulesDiffer();
}

int frmExact::interpretedSign(const exact::Candidate &c) const
{
    return byRisingSign(c) ? c.wholeSignNadir : c.nadirSign;
}

// The zodiac is the person's choice too, kept the same way.
void frmExact::cmbZodiac_Change()
{
    const std::string_view key = quorvis::ZodiacKey(quorvis::Zodiac(m_cmbZodiac->currentData().toInt()));
    m_host.openSettings()->setValue(QLatin1String(SettingsKeys::ExactZodiac),
                                    QString::fromLatin1(key.data(), qsizetype(key.size())));
    refresh();
}

// The choice of rule is the person's, kept for the next reading and the next time the window opens.
void frmExact::optNadirRule_Click()
{
    m_risingSignChosen = ui->optNadirByRising->isChecked();
    const std::unique_ptr<QSettings> settings = m_host.openSettings();
    settings->setValue(QLatin1String(SettingsKeys::InterpretedNadirSign),
                       QLatin1String(m_risingSignChosen ? ByRisingSign : ByImumCoeli));
    showResult();
}

ReadingCard frmExact::card() const
{
    ReadingCard card;
    const QString name = ui->txtName->text().trimmed();
    card.title = name.isEmpty() ? tr("Exact nadir reading") : tr("Exact nadir reading for %1").arg(name);
    const exact::Result &r = m_result;
    if (!shownCandidate()) {
        card.nadir = tr("No reading yet");
        return card;
    }
    const exact::Candidate &c = *shownCandidate();
    card.nadir = exact::WithZodiac(c.ic, r.zodiac);
    card.angles = c.angles;
    if (c.nadirRulesDiffer())
        card.wholeSignHouse = c.wholeSignNadir;
    card.results << c.nadirSigns << c.asc << c.mc << c.nadirChangesNear;
    if (!r.slotChanges.isEmpty())
        card.results << tr("During the slot: %1").arg(r.slotChanges);
    if (!r.slotJumps.isEmpty())
        card.results << r.slotJumps;
    if (!r.ambiguity.isEmpty())
        card.results << r.ambiguity;
    if (!r.meanTimeNote.isEmpty())
        card.results << r.meanTimeNote;
    if (!c.choice.isEmpty())
        card.results << tr("Reading shown: %1").arg(c.choice);
    if (!r.polarNote.isEmpty())
        card.results << r.polarNote;
    card.results << r.quickReading;
    // The interpretation under its own sign, apart from the quick reading's line above it.
    const int sign = interpretedSign(c);
    card.interpretationTitle =
        !c.nadirRulesDiffer() ? tr("Your nadir sign, %1").arg(exact::SignName(sign))
        : byRisingSign(c) ? tr("Your nadir sign counted from the rising sign, %1").arg(exact::SignName(sign))
                          : tr("Your nadir sign by the Imum Coeli, %1").arg(exact::SignName(sign));
    card.interpretation =
        Translated("Interpretation", quorvis::Interpretations[static_cast<std::size_t>(sign)]);

    const QString day = exact::DayText(m_request->date);
    card.dataUsed << (!m_request->time
                          //: %2 is a two-hour slot, already a range ("4am-6am")
                          ? tr("Born %1, %2").arg(day, ui->cmbSlot->currentText())
                          : tr("Born %1 at %2").arg(day, exact::ClockText(*m_request->time)));
    card.dataUsed << tr("Time used: %1").arg(c.timeUsed) << tr("Place: %1").arg(r.placeUsed);
    return card;
}

QString frmExact::WithFormatEnding(const QString &path, const QString &ending)
{
    if (path.isEmpty() || ReadingCard::savesAs(QFileInfo(path).suffix()))
        return path;
    return path + QLatin1Char('.') + ending;
}

QString frmExact::SuggestedFileName(const QString &name, QDate date, const QString &fallback)
{
    // Neither system's separators, wildcards, quotes or control characters; no trailing dot or space, which
    // Windows drops; not a name Windows keeps for a device, whatever follows it.
    QString safe;
    for (const QChar c : name.simplified())
        if (!QStringView(u"/\\:*?\"<>|").contains(c) && c.category() != QChar::Other_Control &&
            c.category() != QChar::Other_Format)
            safe += c;
    safe = safe.simplified();
    while (safe.endsWith(u'.') || safe.endsWith(u' '))
        safe.chop(1);
    safe.truncate(80);
    static const QRegularExpression device(
        QStringLiteral("^(con|prn|aux|nul|com[0-9¹²³]|lpt[0-9¹²³])(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    if (device.match(safe).hasMatch())
        safe.prepend(u'_');
    if (safe.isEmpty())
        safe = fallback;
    return date.isValid() ? safe + QLatin1Char(' ') + date.toString(Qt::ISODate) : safe;
}

QString frmExact::chooseSavePath(const QString &suggested)
{
    if (m_chooseSavePath)
        return m_chooseSavePath();
    const QString png = tr("PNG image (*.png)"), svg = tr("SVG drawing (*.svg)"),
                  pdf = tr("PDF document (*.pdf)");
#ifdef QUORVIS_SVG_CARD
    const QStringList filters{png, svg, pdf};
#else
    const QStringList filters{png, pdf};
#endif
    QString filter = png;
    if (QFileInfo(suggested).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        filter = pdf;
    else if (filters.contains(svg) &&
             QFileInfo(suggested).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0)
        filter = svg;
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Reading"), suggested,
                                                      filters.join(QLatin1String(";;")), &filter);
    // A format's ending typed is that format; any other ending gets the chosen format's, as desktop programs
    // do.
    return WithFormatEnding(path, filter == svg   ? QStringLiteral("svg")
                                  : filter == pdf ? QStringLiteral("pdf")
                                                  : QStringLiteral("png"));
}

// A card that cannot be saved says so, naming the file and why, and the dialog comes back for another try.
void frmExact::cmdSave_Click()
{
    const QString name = SuggestedFileName(ui->txtName->text(), m_request ? m_request->date : QDate(),
                                           tr("Exact nadir reading", "a file name"));
    QString suggested = QDir(saveFolder()).filePath(name + QLatin1String(".png"));
    const ReadingCard reading = card();
    for (;;) {
        const QString path = chooseSavePath(suggested);
        if (path.isEmpty())
            return;
        QString why;
        if (reading.save(path, {1240, 1754}, &why)) {
            lastSaveFolder() = QFileInfo(path).absolutePath();
            showSaved(path);
            return;
        }
        ShowMessage(this,
                    tr("The reading could not be saved to %1.\n\n%2").arg(QDir::toNativeSeparators(path), why),
                    QMessageBox::Warning);
        suggested = path;
    }
}

// Where the card went, beside the buttons, for a few seconds; a screen reader hears it at once.
void frmExact::showSaved(const QString &path)
{
    showText(ui->lblSaved, tr("Saved to %1").arg(QDir::toNativeSeparators(path)));
    ui->lblSaved->setToolTip(QDir::toNativeSeparators(path));
    QAccessibleEvent alert(ui->lblSaved, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    m_savedTimer.start();
}

bool frmExact::printCard(QPrinter &printer) const
{
    const ReadingCard reading = card();
    printer.setDocName(reading.title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter starts at the printable area's corner.
    reading.paint(painter,
                  QRectF(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size()));
    return painter.end();
}

void frmExact::cmdPrint_Click()
{
    if (!shownCandidate())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Reading"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!printCard(printer))
        ShowMessage(this, tr("The reading could not be printed: the printer could not be started."),
                    QMessageBox::Warning);
}

void frmExact::cmdCopy_Click()
{
    const ReadingCard c = card();
    auto *data = new QMimeData;
    data->setImageData(c.image(QSize(1240, 1754)));
    data->setText(c.text());
    QGuiApplication::clipboard()->setMimeData(data);
}

// The window opens at the size its columns ask for where the screen has room, else as large as the screen's
// available area allows, title bar and frame included, and the columns scroll; it opens centred there. The
// frame is known only once the window manager has framed the window, so the fit is checked again then.
void frmExact::fitOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QRect available = screen->availableGeometry();
    const QRect outer = frameGeometry(), inner = geometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                   outer.bottom() - inner.bottom());
    if (frame.isNull()) { // not framed yet: the title bar a window manager usually draws, and a thin frame
        const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
        frame = QMargins(border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + border,
                         border, border);
    }
    const QSize room = available.size().shrunkBy(frame);
    // The columns whole, with room for a vertical scroll bar should the screen be too low for them.
    const QMargins margins = layout()->contentsMargins();
    const int bar = ui->scrContent->verticalScrollBar()->sizeHint().width();
    const int width = ui->wdgContent->sizeHint().width() + bar + margins.left() + margins.right();
    const int columns = ui->wdgContent->hasHeightForWidth() ? ui->wdgContent->heightForWidth(width - bar)
                                                            : ui->wdgContent->sizeHint().height();
    // At least the room a reading takes in a longer language, so that the window does not grow, or scroll,
    // when the first reading shows.
    const QSize wanted = QSize(width, columns + layout()->spacing() + ui->layButtons->sizeHint().height() +
                                          margins.top() + margins.bottom())
                             .expandedTo(QSize(fontMetrics().height() * 82, fontMetrics().height() * 46));
    const QSize size = wanted.boundedTo(room).expandedTo(minimumSizeHint().boundedTo(room));
    if (m_fitted && frameGeometry().size() == size.grownBy(frame) && available.contains(frameGeometry()))
        return;
    QRect placed(QPoint(), size.grownBy(frame));
    placed.moveCenter(available.center());
    // Never above or left of the area: the title bar stays within reach.
    placed.moveTopLeft({qMax(placed.left(), available.left()), qMax(placed.top(), available.top())});
    // The window itself placed inside the frame as known (or guessed): a frame position would be turned into
    // the window's by the frame Qt last heard of, which on X is none until the manager has framed the window.
    setGeometry(placed.marginsRemoved(frame));
}

void frmExact::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_fitted)
        return;
    fitOnScreen();
    m_fitted = true;
    // The window manager frames and places the window after it is mapped, on a busy machine well after: each
    // move or resize until the window shows is checked, and after that until it has been still for a second
    // (a few times at most, so that a manager that will not have it cannot keep the window jumping). A
    // manager may frame the window without moving it; the window shows once framed.
    m_settling.setSingleShot(true);
    m_settling.setInterval(1000);
    m_refit.setSingleShot(true); // the checks the window system's events ask for, one at a time
    connect(&m_refit, &QTimer::timeout, this, [this] {
        if (m_shown)
            ++m_settleFits;
        fitOnScreen();
    });
    if (QWindow *window = windowHandle())
        window->installEventFilter(this);
}

bool frmExact::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() && windowHandle()->isExposed() &&
        !m_shown) {
        m_shown = true;
        m_settling.start();
        settle();
    }
    return QWidget::eventFilter(watched, event);
}

void frmExact::settle()
{
    if (!m_fitted || (m_shown && (!m_settling.isActive() || m_settleFits >= 8)))
        return;
    if (m_shown)
        m_settling.start();
    m_refit.start();
}

void frmExact::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    settle();
}

void frmExact::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    settle();
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
    keepInputs();
    Form_Unload();
}

void frmExact::Form_Unload() { m_host.windowUnloaded(this); }

#include "Language.h"
#include "frmExact.h"
#include "ui_frmExact.h"

#include "ExactTexts.h"
#include "Messages.h"
#include "PlaceList.h"
#include "ProgramHost.h"
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
#include <QMimeData>
#include <QPainter>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStyleOption>

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
constexpr char NadirRuleKey[] = "ExactNadir/InterpretedSign";
constexpr char ByImumCoeli[] = "imum-coeli";
constexpr char ByRisingSign[] = "rising-sign";
// The zodiac chosen, by its key ("tropical", "lahiri", ...).
constexpr char ZodiacSettingKey[] = "ExactNadir/Zodiac";

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

    connect(ui->cmdSave, &QPushButton::clicked, this, &frmExact::cmdSave_Click);
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
    resize(minimumSizeHint().expandedTo(minimumSize()));
    CentreOnScreen(this);
}

// The list first: it follows the application's focus changes, which taking down the fields can cause.
frmExact::~frmExact() { delete m_placeList; }

void frmExact::Form_Load()
{
    for (std::string_view slot : quorvis::TimeSlots)
        ui->cmbSlot->addItem(Translated("TimeSlot", slot));
    ui->optChoice1->setChecked(true);
    const std::unique_ptr<QSettings> settings = m_host.openSettings();
    m_risingSignChosen =
        settings->value(QLatin1String(NadirRuleKey)).toString() == QLatin1String(ByRisingSign);
    (m_risingSignChosen ? ui->optNadirByRising : ui->optNadirByIC)->setChecked(true);
    const QByteArray zodiac = settings->value(QLatin1String(ZodiacSettingKey)).toString().toLatin1();
    m_cmbZodiac->setCurrentIndex(m_cmbZodiac->findData(
        int(quorvis::ZodiacFromKey(std::string_view(zodiac.constData(), std::size_t(zodiac.size())))
                .value_or(quorvis::Zodiac::Tropical))));
    connect(m_cmbZodiac, &QComboBox::currentIndexChanged, this, &frmExact::cmbZodiac_Change);
    updateModes();
    ui->txtPlace->setFocus();
}

void frmExact::prefillFrom(const QWidget *mainWindow, bool fromQuickReading)
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
            ui->txtDate->setText(
                first.addDays(qMin(day->currentIndex(), first.daysInMonth() - 1)).toString(Qt::ISODate));
    }
    if (const QComboBox *slot = list("cmbTime"); slot && slot->currentIndex() >= 0)
        ui->cmbSlot->setCurrentIndex(slot->currentIndex());
    ui->chkSlotOnly->setChecked(fromQuickReading);
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
    ui->txtLatitude->setText(Language::NumberLocale().toString(place->latitude, 'f', 4));
    ui->txtLongitude->setText(Language::NumberLocale().toString(place->longitude, 'f', 4));
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

std::optional<exact::Request> frmExact::readInputs(QString *problem, QWidget **field) const
{
    exact::Request in;
    in.zodiac = quorvis::Zodiac(m_cmbZodiac->currentData().toInt());
    const QString date = ui->txtDate->text().trimmed();
    const QString time = ui->txtTime->text().trimmed();
    const bool slotOnly = ui->chkSlotOnly->isChecked();
    // The first field that cannot be read is the one named; one not yet filled in makes no reading.
    if (!date.isEmpty() && !(in.date = exact::ReadDate(date, problem).value_or(QDate())).isValid())
        *field = ui->txtDate;
    else if (!slotOnly && !time.isEmpty() && !(in.time = exact::ReadTime(time, problem)))
        *field = ui->txtTime;
    if (*field || date.isEmpty() || (!slotOnly && time.isEmpty()))
        return std::nullopt;
    if (slotOnly)
        in.slot = ui->cmbSlot->currentIndex();
    if (!ui->chkCoordinates->isChecked()) {
        if (!m_place)
            return std::nullopt;
        exact::UsePlace(in, *m_place);
        return in;
    }
    const QString latitude = ui->txtLatitude->text().trimmed();
    const QString longitude = ui->txtLongitude->text().trimmed();
    const QString zone = ui->txtZone->text().trimmed();
    if (latitude.isEmpty() || longitude.isEmpty() || zone.isEmpty())
        return std::nullopt;
    const std::optional<double> north = exact::ReadLatitude(latitude, problem);
    const std::optional<double> east = north ? exact::ReadLongitude(longitude, problem) : std::nullopt;
    in.clock = north && east ? exact::ReadClock(zone, problem) : std::nullopt;
    *field = !north ? ui->txtLatitude : !east ? ui->txtLongitude : !in.clock ? ui->txtZone : nullptr;
    if (*field)
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
    if (const std::optional<QTime> time = exact::ReadTime(ui->txtTime->text().trimmed(), &unread);
        time && !ui->chkSlotOnly->isChecked()) {
        const QSignalBlocker quiet(ui->cmbSlot);
        ui->cmbSlot->setCurrentIndex(exact::SlotOfTime(*time));
    }
    // A field that cannot be read says so beneath itself, and there is no reading.
    QString problem;
    QWidget *field = nullptr;
    std::optional<exact::Request> request = readInputs(&problem, &field);
    showText(ui->lblInputProblem, problem);
    for (QWidget *input : {static_cast<QWidget *>(ui->txtDate), static_cast<QWidget *>(ui->txtTime),
                           static_cast<QWidget *>(ui->txtLatitude), static_cast<QWidget *>(ui->txtLongitude),
                           static_cast<QWidget *>(ui->txtZone)})
        input->setAccessibleDescription(input == field ? problem : QString());
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
    else if (!m_request && ui->lblInputProblem->text().isEmpty())
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

    for (QPushButton *b : {ui->cmdSave, ui->cmdCopy})
        b->setEnabled(c != nullptr);
    fitWrappedTexts();
}

// A wrapped text longer than its place in the form (a longer language, other fonts) takes the lines it needs
// from the chart wheel, which can draw smaller, rather than having them cut off; in the column of the
// reading, from the space left below it.
void frmExact::fitWrappedTexts()
{
    for (QLabel *label : {ui->lblQuick, ui->lblQuickWhy, ui->lblNadirRules, ui->lblInterpretation,
                          ui->lblNadirSign, ui->lblNadirChange, ui->lblExplanation, ui->lblPolar}) {
        label->setMinimumHeight(0); // a label's height for a width is never less than its minimum
        label->setMinimumHeight(label->text().isEmpty() ? 0 : label->heightForWidth(label->width()));
    }
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
    m_host.openSettings()->setValue(QLatin1String(ZodiacSettingKey),
                                    QString::fromLatin1(key.data(), qsizetype(key.size())));
    refresh();
}

// The choice of rule is the person's, kept for the next reading and the next time the window opens.
void frmExact::optNadirRule_Click()
{
    m_risingSignChosen = ui->optNadirByRising->isChecked();
    const std::unique_ptr<QSettings> settings = m_host.openSettings();
    settings->setValue(QLatin1String(NadirRuleKey),
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
    const QTime born = m_request->time.value_or(QTime());
    card.dataUsed
        << (!m_request->time
                //: %2 is a two-hour slot, already a range ("4am-6am")
                ? tr("Born %1, %2").arg(day, ui->cmbSlot->currentText())
                : tr("Born %1 at %2").arg(day, born.toString(born.second() ? u"HH:mm:ss" : u"HH:mm")));
    card.dataUsed << tr("Time used: %1").arg(c.timeUsed) << tr("Place: %1").arg(r.placeUsed);
    return card;
}

QString frmExact::WithFormatEnding(const QString &path, const QString &ending)
{
    if (path.isEmpty() || QFileInfo(path).suffix().compare(ending, Qt::CaseInsensitive) == 0)
        return path;
    return path + QLatin1Char('.') + ending;
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
    // An ending typed that is not the chosen format's gets the format's, as desktop programs do.
    return WithFormatEnding(path, filter == svg   ? QStringLiteral("svg")
                                  : filter == pdf ? QStringLiteral("pdf")
                                                  : QStringLiteral("png"));
}

// A card that cannot be saved says so, naming the file and why, and the dialog comes back for another try.
void frmExact::cmdSave_Click()
{
    QString suggested = QDir(saveFolder()).filePath(QStringLiteral("exact-nadir.png"));
    const ReadingCard reading = card();
    for (;;) {
        const QString path = chooseSavePath(suggested);
        if (path.isEmpty())
            return;
        QString why;
        if (reading.save(path, {1240, 1754}, &why)) {
            lastSaveFolder() = QFileInfo(path).absolutePath();
            return;
        }
        ShowMessage(this,
                    tr("The reading could not be saved to %1.\n\n%2").arg(QDir::toNativeSeparators(path), why),
                    QMessageBox::Warning);
        suggested = path;
    }
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

#include "synonyms/Frm12Syno.h"

#include "ui/FitText.h"
#include "ui/Text.h"
#include "ui/ToolIcons.h"
#include "ui/ToolLook.h"
#include "ui/Twips.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

namespace zorvane::synonyms {
namespace {

constexpr int kClientWidth = 7860;
constexpr int kClientHeight = 5280;
constexpr int kColumnWidth = 3795;
constexpr int kLeftColumn = 60;
constexpr int kRightColumn = 3960;
constexpr int kLabelHeight = 240;
constexpr int kComboHeight = 315;
constexpr int kHistorySize = 12;
constexpr int kClickDelayMs = 500;
constexpr int kStartDelayMs = 100;

const QString kHelpText =
    QStringLiteral("Dans la zone de texte saisir un mot, puis cliquer sur le\r\n"
                   "bouton ''Rechercher''.\r\n\r\n"
                   "Si des synonymes existent, une zone de liste, contenant\r\n"
                   "tous les synonymes trouvés, est affichée.\r\n\r\n"
                   "En cliquant avec le bouton droit de la souris dans\r\n"
                   "la liste, vous pouvez copier les résultats de la recherche.");

// The hourglass for the life of a scope, the arrow again whatever happens in it.
class BusyPointer {
public:
    explicit BusyPointer(ui::MousePointer& pointer) : pointer_(pointer) { pointer_.SetBusy(true); }
    ~BusyPointer() { pointer_.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    ui::MousePointer& pointer_;
};

// What the user typed, as the lookup reads it: composed accents ("e" + U+0301 is "é"), and
// "?" for what cp1252 cannot hold.
std::string Cp1252Of(const QString& text) {
    return ui::FromQt(text.normalized(QString::NormalizationForm_C));
}

template <typename Texts> void Fill(QListWidget* list, const Texts& texts) {
    const QSignalBlocker quiet(list); // refilling is no choice of the user's
    QStringList items;
    items.reserve(static_cast<qsizetype>(texts.size()));
    for (const auto& text : texts) {
        items << ui::ToQt(text);
    }
    list->clear();
    list->addItems(items);
}

QFont ListFont() {
    QFont font(QStringLiteral("Courier New"), 9);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QFont LabelFont() {
    QFont font(QStringLiteral("Verdana"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

bool IsEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool IsRightButtonEvent(const QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick) {
        return false;
    }
    return static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton;
}

} // namespace

Frm12Syno::Frm12Syno(ui::ToolContext& context)
    : Lbl3(new QLabel(this)), Lst(new QListWidget(this)), Lbl4(new QLabel(this)),
      Cbo2(new QComboBox(this)), TxtMiroir(new QLineEdit(this)), CmdInfo(new QPushButton(this)),
      CmdRechercher(new QPushButton(QStringLiteral(" Rechercher"), this)),
      Foc(new QPushButton(this)), Lbl2(new QLabel(this)), LstS(new QListWidget(this)),
      MnuCopier(new QMenu(QStringLiteral("Copier"), this)),
      MnuCop2(MnuCopier->addAction(QStringLiteral("Copier la liste des synonymes"))),
      TimDeb(context.platform.timers.Create(QStringLiteral("TimDeb"))),
      TimLst(context.platform.timers.Create(QStringLiteral("TimLst"))), context_(context),
      lookup_(context.store) {
    setObjectName(QStringLiteral("Frm12Syno"));
    setWindowTitle(QStringLiteral("Dictionnaire des synonymes"));
    setFixedSize(ui::TwipsSize(kClientWidth, kClientHeight, this));
    BuildControls();
    ui::SetToolLook(this);
    CmdRechercher->setIcon(ui::DrawToolIcon(ui::ToolIcon::Synonyms));
    ConnectHandlers();
    Cbo2->setFocus(); // keys typed as the window opens go to the box, not to the list
    TimDeb->Start(kStartDelayMs);
}

Frm12Syno::~Frm12Syno() {
    // The children outlive this part of the object: none may call back into it.
    for (QObject* child : findChildren<QObject*>()) {
        child->removeEventFilter(this);
        child->disconnect(this);
    }
}

void Frm12Syno::BuildControls() {
    const auto place = [this](QWidget* control, const char* name, int left, int top, int width,
                              int height) {
        control->setObjectName(QString::fromLatin1(name));
        control->setGeometry(ui::TwipsRect(left, top, width, height, this));
    };
    place(Lbl3, "Lbl3", kLeftColumn, 60, kColumnWidth, kLabelHeight);
    place(Lst, "Lst", kLeftColumn, 300, kColumnWidth, 4920);
    place(Lbl4, "Lbl4", kRightColumn, 60, kColumnWidth, kLabelHeight);
    place(Cbo2, "Cbo2", kRightColumn, 300, kColumnWidth, kComboHeight);
    place(CmdInfo, "CmdInfo", kRightColumn, 840, 405, 435);
    place(CmdRechercher, "CmdRechercher", 4980, 840, 1815, 435);
    place(Lbl2, "Lbl2", kRightColumn, 1380, kColumnWidth, kLabelHeight);
    place(LstS, "LstS", kRightColumn, 1620, kColumnWidth, 3570);
    place(Foc, "Foc", kClientWidth + 600, 0, 15, 15);
    TxtMiroir->setObjectName(QStringLiteral("TxtMiroir"));
    TxtMiroir->hide();
    MnuCopier->setObjectName(QStringLiteral("MnuCopier"));
    MnuCop2->setObjectName(QStringLiteral("MnuCop2"));

    for (QLabel* label : {Lbl3, Lbl4, Lbl2}) {
        label->setFont(LabelFont());
    }
    for (QWidget* list : std::initializer_list<QWidget*>{Lst, LstS, Cbo2}) {
        list->setFont(ListFont());
    }
    Lst->setUniformItemSizes(true);
    LstS->setUniformItemSizes(true);

    Cbo2->setEditable(true);
    Cbo2->setInsertPolicy(QComboBox::NoInsert); // the history is kept by the search
    Cbo2->setCompleter(nullptr);                // no history word may complete a typed one
    Cbo2->setMaxVisibleItems(kHistorySize);
    // Leaving the box with a history word in it would otherwise count as choosing that word
    // and start a search nobody asked for: only a choice in the opened list searches.
    QObject::disconnect(Cbo2->lineEdit(), &QLineEdit::editingFinished, Cbo2, nullptr);
    // No headword is longer; a longer text could match nothing.
    Cbo2->lineEdit()->setMaxLength(static_cast<int>(data::kMaxHeadwordLength));

    CmdInfo->setText(QStringLiteral("?"));
    CmdInfo->setToolTip(QStringLiteral("Aide"));
    CmdRechercher->setToolTip(QStringLiteral("Lancer la recherche"));
    Foc->setFocusPolicy(Qt::NoFocus);
    EnableSearch(false);
}

void Frm12Syno::ConnectHandlers() {
    connect(Cbo2, &QComboBox::editTextChanged, this, [this] { Cbo2Change(); });
    connect(Cbo2, &QComboBox::activated, this, [this](int index) { Cbo2HistoryChosen(index); });
    connect(Lst, &QListWidget::itemSelectionChanged, this, [this] { ListItemChosen(Lst); });
    connect(LstS, &QListWidget::itemSelectionChanged, this, [this] { ListItemChosen(LstS); });
    connect(CmdRechercher, &QPushButton::clicked, this, [this] { Search(); });
    connect(Foc, &QPushButton::clicked, this, [this] { Search(); });
    connect(CmdInfo, &QPushButton::clicked, this, [this] { CmdInfoClick(); });
    connect(MnuCop2, &QAction::triggered, this, [this] { MnuCop2Click(); });
    // Enter in the box belongs to the window, not to the combo box's own item handling.
    Cbo2->installEventFilter(this);
    Cbo2->lineEdit()->installEventFilter(this);
    LstS->viewport()->installEventFilter(this);
    TimDeb->OnTick = [this] { TimDebTick(); };
    TimLst->OnTick = [this] {
        TimLst->Stop();
        Search();
    };
}

void Frm12Syno::keyPressEvent(QKeyEvent* event) {
    if (IsEnterKey(event)) {
        Enter();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool Frm12Syno::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == Cbo2 || watched == Cbo2->lineEdit()) && IsEnterKey(event)) {
        Enter();
        return true;
    }
    // The right button opens the copy menu and never chooses an item.
    if (watched == LstS->viewport() && IsRightButtonEvent(event)) {
        if (event->type() == QEvent::MouseButtonPress) {
            MnuCopier->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        }
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Frm12Syno::TimDebTick() {
    TimDeb->Stop();
    // A word typed while the window was opening is the user's: the starting text only fills
    // a box nobody has typed in yet.
    if (Cbo2->currentText().isEmpty()) {
        Cbo2->setEditText(QStringLiteral("à "));
        Cbo2->lineEdit()->selectAll(); // the first keystroke replaces it
    }
    Cbo2->setFocus();
}

void Frm12Syno::Cbo2Change() {
    MirrorKeyOf(Cbo2->currentText());
    EnableSearch(Cp1252Of(Cbo2->currentText()).size() >= 2);
}

void Frm12Syno::Cbo2HistoryChosen(int index) {
    EnableSearch(true);
    MirrorKeyOf(Cbo2->itemText(index));
    TimLst->Start(kClickDelayMs);
}

void Frm12Syno::ListItemChosen(QListWidget* list) {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    if (chosen.isEmpty()) {
        return;
    }
    Cbo2->setEditText(chosen.front()->text());
    TimLst->Start(kClickDelayMs);
}

void Frm12Syno::MirrorKeyOf(const QString& text) {
    const QString key = ui::ToQt(SearchKey(Cp1252Of(text)));
    if (key != TxtMiroir->text()) {
        TxtMiroir->setText(key);
        RebuildPrefixList();
    }
}

void Frm12Syno::RebuildPrefixList() {
    const BusyPointer busy(context_.platform.pointer);
    const PrefixListResult result = lookup_.PrefixList(ui::FromQt(TxtMiroir->text()));
    Fill(Lst, result.headwords);
    ReportFailure(result.failure);
    Lbl3->setText(ui::ToQt(result.message));
}

void Frm12Syno::EnableSearch(bool enabled) {
    CmdRechercher->setEnabled(enabled);
    Foc->setEnabled(enabled);
}

void Frm12Syno::Enter() {
    if (Foc->isEnabled()) {
        Foc->click();
    }
}

void Frm12Syno::Search() {
    Cbo2->lineEdit()->setCursorPosition(0);
    EnableSearch(false);
    Cbo2->setFocus();
    for (QLabel* label : {Lbl2, Lbl3, Lbl4}) {
        label->clear();
    }
    const QString typed = Cbo2->currentText();
    AddToHistory(typed);
    const SynonymResult result = lookup_.Lookup(ui::FromQt(TxtMiroir->text()), Cp1252Of(typed));
    ReportFailure(result.failure);
    Fill(LstS, result.synonyms);
    // A long headword makes the message and the caption longer than their line.
    ui::SetFittingText(Lbl4, ui::ToQt(result.message));
    ui::SetFittingText(Lbl2, ui::ToQt(result.caption));
}

void Frm12Syno::AddToHistory(const QString& text) {
    if (Cbo2->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) {
        return;
    }
    // Reshaping the items may move the combo box's current item and with it its text.
    const QSignalBlocker quiet(Cbo2);
    Cbo2->insertItem(0, text);
    if (Cbo2->count() > kHistorySize) {
        Cbo2->removeItem(kHistorySize);
    }
    Cbo2->setCurrentIndex(-1);
    Cbo2->setEditText(text);
    Cbo2->lineEdit()->setCursorPosition(0);
}

void Frm12Syno::CmdInfoClick() {
    Cbo2->setFocus();
    context_.platform.boxes.Show(kHelpText, ui::ToQt(context_.values.TitreAppli), ui::Buttons::Ok,
                                 ui::Icon::Information);
}

void Frm12Syno::MnuCop2Click() {
    QString text = QStringLiteral("Liste des synonyme de ''") + Cbo2->currentText() +
                   QStringLiteral("'':\r\n");
    for (int row = 0; row < LstS->count(); ++row) {
        text += LstS->item(row)->text() + QStringLiteral("\r\n");
    }
    context_.platform.clipboard.Clear();
    context_.platform.clipboard.SetText(text);
    context_.platform.boxes.Show(QStringLiteral("La liste a été copiée."),
                                 ui::ToQt(context_.values.TitreAppli), ui::Buttons::Ok,
                                 ui::Icon::Information);
}

void Frm12Syno::ReportFailure(const std::string& report) {
    if (!report.empty()) {
        context_.platform.boxes.Show(ui::ToQt(report), ui::ToQt(context_.values.TitreAppli),
                                     ui::Buttons::Ok, ui::Icon::Critical);
    }
}

} // namespace zorvane::synonyms

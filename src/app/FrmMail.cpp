#include "app/FrmMail.h"

#include "app/EnvoyerMail.h"
#include "data/MakerAddresses.h"
#include "ui/Text.h"
#include "ui/Twips.h"

#include <QPainter>

namespace zorvane::app {
namespace {

constexpr int kLeft = 330;
constexpr int kTop = 495;
constexpr int kPic2Width = 7230; // the picture of the main about window the form lies on
constexpr int kFieldLeft = 3000;
constexpr int kFieldWidth = 3660;
constexpr int kMarkSide = 240;
constexpr int kButtonsTop = 5280;
constexpr int kButtonsHeight = 420;

// Qt labels break their lines at LF, where the texts of the form have CR LF.
const QString& Instructions() {
    static const QString text = QStringLiteral(
        "Vous voulez poser une\nquestion, envoyer une\nremarque concernant le\nprogramme ou à "
        "propos\nd'un mot. Remplissez ce\nformulaire puis cliquez sur\n''Envoyer le message''.");
    return text;
}

// 15 blanks leave room for "Attention:" on the first line.
const QString& Notice() {
    static const QString text = QStringLiteral(
        "               votre message\nsera pris en compte. Mal-\nheureusement en fonction\n"
        "des mails  reçus, nous ne\npouvons  vous  garantir\nune réponse. Merci pour\n"
        "votre  compréhension.\n");
    return text;
}

// The error mark of a required field: a red disc with a white "!".
QPixmap ErrorMark(int side) {
    QPixmap mark(side, side);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC8, 0x1E, 0x1E));
    painter.drawEllipse(QRectF(0.5, 0.5, side - 1.0, side - 1.0));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(side * 3 / 4);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, QStringLiteral("!"));
    return mark;
}

} // namespace

FrmMail::FrmMail(ui::ToolContext& context, QWidget* owner, QWidget* parent)
    : QWidget(parent, Qt::Window), context_(context) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ui::ToQt(context_.values.TitreAppli));
    setFixedSize(ui::TwipsSize(kPic2Width - 30, kButtonsTop + kButtonsHeight + 180, this));
    const QPoint corner(ui::TwipsToPixels(kLeft, this), ui::TwipsToPixels(kTop, this));
    move(owner != nullptr ? owner->mapToGlobal(corner) : corner);

    Foc = ui::Place(new QLineEdit(this), -3000, -3000, 300, 300);

    LblLogo =
        ui::Place(new QLabel(QStringLiteral("Envoyer  un  email"), this), 240, 120, 6400, 480);
    LblLogo->setStyleSheet(QStringLiteral("font: bold 16pt 'DejaVu Serif'; color: #1F3F7F;"));
    LblInfo1 = ui::Place(new QLabel(this), 240, 720, 2640, 1800);
    LblInfo1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblInfo3 = ui::Place(new QLabel(this), 300, 2760, 2580, 1900);
    LblInfo3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblInfo2 = ui::Place(new QLabel(QStringLiteral("Attention:"), this), 240, 2760, 1000, 260);
    LblInfo2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LblInfo2->setStyleSheet(QStringLiteral("color: #B01010;"));
    BuildFields();

    CmdMail = ui::Place(new QPushButton(QStringLiteral("Envoyer le message >>"), this), kFieldLeft,
                        kButtonsTop, 2460, kButtonsHeight);
    CmdMail->setToolTip(QStringLiteral("Envoyer un email"));
    CmdAnnule = ui::Place(new QPushButton(QStringLiteral("Annuler"), this), kFieldLeft + 2580,
                          kButtonsTop, kFieldWidth - 2580, kButtonsHeight);
    CmdAnnule->setToolTip(QStringLiteral("Fermer"));

    TimDeb = context_.platform.timers.Create(QStringLiteral("TimDeb"));
    TimEnd = context_.platform.timers.Create(QStringLiteral("TimEnd"));
    TimDeb->OnTick = [this] {
        TimDeb->Stop();
        show();
        Foc->setFocus();
    };
    TimEnd->OnTick = [this] {
        TimEnd->Stop();
        close();
    };
    connect(CmdMail, &QPushButton::clicked, this, &FrmMail::CmdMailClick);
    connect(CmdAnnule, &QPushButton::clicked, this, &QWidget::close);

    TxtObj->setText(
        ui::ToQt(context_.values.TitreAppli + " Version " + context_.values.VersionAppli));
    LblInfo1->setText(Instructions());
    LblInfo3->setText(Notice());
    CmdMail->setEnabled(false);
    TimDeb->Start(500);
}

void FrmMail::BuildFields() {
    const std::array<QString, 4> captions{QStringLiteral("Nom"), QStringLiteral("Prénom"),
                                          QStringLiteral("Objet du message"),
                                          QStringLiteral("Texte du message")};
    TxtNom = new QLineEdit(this);
    TxtPre = new QLineEdit(this);
    TxtObj = new QLineEdit(this);
    TxtRem = new QPlainTextEdit(this);
    TxtRem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QPixmap mark = ErrorMark(ui::TwipsToPixels(kMarkSide, this));
    for (int field = Nom; field <= Rem; ++field) {
        const int top = 720 + 660 * field;
        const int height = field == Rem ? 1860 : 315;
        ui::Place(new QLabel(captions.at(field), this), kFieldLeft, top, kFieldWidth, 240);
        ui::Place(FieldBox(static_cast<Field>(field)), kFieldLeft, top + 240, kFieldWidth, height);
        QLabel*& img = ImgF.at(field);
        img = ui::Place(new QLabel(this), kFieldLeft + kFieldWidth + 60, top + 280, kMarkSide,
                        kMarkSide);
        img->setPixmap(mark);
        img->hide();
    }
    TxtAdresse = ui::Place(new QLineEdit(ui::ToQt(data::kMakerContactAddress), this), kFieldLeft,
                           4860, kFieldWidth, 315);
    TxtAdresse->setReadOnly(true);

    connect(TxtNom, &QLineEdit::textChanged, this, [this] { FieldChanged(Nom, true); });
    connect(TxtPre, &QLineEdit::textChanged, this, [this] { FieldChanged(Pre, true); });
    connect(TxtObj, &QLineEdit::textChanged, this, [this] { FieldChanged(Obj, false); });
    connect(TxtRem, &QPlainTextEdit::textChanged, this, [this] { FieldChanged(Rem, true); });
}

QWidget* FrmMail::FieldBox(Field field) const {
    const std::array<QWidget*, 4> boxes{TxtNom, TxtPre, TxtObj, TxtRem};
    return boxes.at(field);
}

QString FrmMail::FieldText(Field field) const {
    return field == Rem ? TxtRem->toPlainText() : static_cast<QLineEdit*>(FieldBox(field))->text();
}

// Typing in a field clears its mark; the subject alone never enables the send button.
void FrmMail::FieldChanged(Field field, bool mayEnable) {
    ImgF.at(field)->hide();
    if (mayEnable) {
        CmdMail->setEnabled(true);
    }
    if (FieldText(field).isEmpty()) {
        CmdMail->setEnabled(false);
    }
}

void FrmMail::CmdMailClick() {
    Foc->setFocus();
    for (QLabel* mark : ImgF) {
        mark->hide();
    }
    bool incomplete = false;
    for (int field = Nom; field <= Rem; ++field) {
        if (FieldText(static_cast<Field>(field)).isEmpty()) {
            ImgF.at(field)->show();
            FieldBox(static_cast<Field>(field))->setFocus();
            incomplete = true;
        }
    }
    if (incomplete) {
        context_.platform.boxes.Show(QStringLiteral("Le formulaire est incomplet.      "),
                                     ui::ToQt(context_.values.TitreAppli), ui::Buttons::Ok,
                                     ui::Icon::None);
        return;
    }
    // The message box holds its lines with LF; the mail body wants CR LF.
    const std::string message =
        ui::FromQt(TxtRem->toPlainText().replace('\n', QStringLiteral("\r\n")));
    const std::string address = ui::FromQt(TxtAdresse->text());
    const MailHandOver sent = EnvoyerMail(
        context_.platform.links, address, ui::FromQt(TxtObj->text()),
        MailBody(ui::FromQt(TxtNom->text()), ui::FromQt(TxtPre->text()), message), "", "");
    if (sent != MailHandOver::Done) {
        // The form stays open with everything typed: nothing is lost without a word.
        context_.platform.boxes.Show(ui::ToQt(HandOverFailureMessage(sent, address)),
                                     ui::ToQt(context_.values.TitreAppli), ui::Buttons::Ok,
                                     ui::Icon::Exclamation);
        return;
    }
    TimEnd->Start(3000);
}

} // namespace zorvane::app

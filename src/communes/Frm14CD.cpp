#include "communes/Frm14CD.h"

#include "communes/CommuneDetails.h"
#include "communes/CommuneFailure.h"
#include "communes/CommuneLinks.h"
#include "data/Cp1252Literal.h"
#include "data/InternalError.h"
#include "ui/HtmlProbeFile.h"
#include "ui/Text.h"

#include <QEvent>
#include <QSignalBlocker>
#include <algorithm>

namespace zorvane::communes {
namespace {

const QColor kGreyedBox(0xE0, 0xE0, 0xE0);
const QString kLoadingInfo = QStringLiteral("Chargement des communes en cours...");

void PaintBox(QLineEdit* box, const QColor& colour) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

} // namespace

void Frm14CD::TimCPTick() {
    TimCP->Stop();
    const auto bytes = context_.platform.resources.Bytes(kPostcodeResource, kPostcodeResourceId);
    ShowLoadProblem(bytes ? FillPostcodeList(postcodes_, *bytes)
                          : MissingResourceText(kPostcodeResource, kPostcodeResourceId));
    TimNom->Start(200);
}

void Frm14CD::TimNomTick() {
    TimNom->Stop();
    const auto bytes = context_.platform.resources.Bytes(kNameResource, kNameResourceId);
    ShowLoadProblem(bytes ? FillNameList(names_, *bytes)
                          : MissingResourceText(kNameResource, kNameResourceId));
    loaded_ = true;
    // What was typed during loading is searched now.
    if (searchMode_ == CommuneSearchMode::Postcode) {
        TxtCPChange();
    } else if (searchMode_ == CommuneSearchMode::Name) {
        TxtMiroirChange();
    }
}

void Frm14CD::ShowLoadProblem(const std::optional<std::string>& problem) {
    if (problem) {
        context_.platform.boxes.Show(ui::ToQt(*problem), ui::ToQt(context_.values.TitreAppli),
                                     ui::Buttons::Ok, ui::Icon::Critical);
    }
}

bool Frm14CD::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == Txt1Foc || watched == Txt2Foc) {
            (watched == Txt1Foc ? TxtCP : TxtCherche)->setFocus();
        } else if (watched == TxtCP) {
            EntryFocused(TxtCP, TxtCherche, CommuneSearchMode::Postcode,
                         QStringLiteral("Dans la zone de texte entrez un n° de CP."));
        } else if (watched == TxtCherche) {
            EntryFocused(TxtCherche, TxtCP, CommuneSearchMode::Name,
                         QStringLiteral("Entrez un nom de commune."));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Frm14CD::EntryFocused(QLineEdit* box, QLineEdit* other, CommuneSearchMode mode,
                           const QString& info) {
    searchMode_ = mode;
    (box == TxtCP ? Txt1Foc : Txt2Foc)->hide();
    PaintBox(other, kGreyedBox);
    PaintBox(box, Qt::white);
    LblInfo->setText(info);
}

template <typename Work> void Frm14CD::Guarded(std::string_view place, Work work) {
    try {
        work();
    } catch (...) {
        context_.platform.boxes.Show(ui::ToQt(data::CurrentFailureText(place)),
                                     ui::ToQt(context_.values.TitreAppli), ui::Buttons::Ok,
                                     ui::Icon::Critical);
    }
}

bool Frm14CD::ListsReady(std::size_t typedLength, std::size_t minLength) {
    if (loaded_ || typedLength < minLength) {
        return true;
    }
    LblInfo->setText(kLoadingInfo);
    return false;
}

template <typename Search, typename Info>
void Frm14CD::SearchAsTyped(std::string_view place, const QLineEdit* box, std::size_t minLength,
                            Search search, Info info) {
    LstLaListe->clear();
    ClearDetails();
    Guarded(place, [&] {
        const std::string typed = ui::FromQt(box->text());
        if (!ListsReady(typed.size(), minLength)) {
            return;
        }
        const CommuneMatches matches = search(typed);
        ShowMatches(matches);
        LblInfo->setText(ui::ToQt(info(typed, matches.items.size())));
    });
}

void Frm14CD::TxtCPChange() {
    SearchAsTyped(
        kPlacePostcodeSearch, TxtCP, kMinPostcodeLength,
        [this](std::string_view typed) { return SearchByPostcode(postcodes_, typed); },
        PostcodeInfo);
}

// Upper case, refused characters reported once each and taken out; the checked text goes,
// spelt as the name keys are, to TxtMiroir, whose change runs the search.
void Frm14CD::TxtChercheChange() {
    const NameEntry entry = CheckNameEntry(ui::FromQt(TxtCherche->text()));
    for (const char refused : entry.refused) {
        context_.platform.boxes.Show(ui::ToQt(RefusedCharacterText(refused)),
                                     ui::ToQt(context_.values.TitreAppli), ui::Buttons::Ok,
                                     ui::Icon::None);
    }
    const QString checked = ui::ToQt(entry.text);
    if (TxtCherche->text() != checked) {
        const QSignalBlocker quiet(TxtCherche);
        TxtCherche->setText(checked);
    }
    TxtCherche->setCursorPosition(static_cast<int>(checked.size()));
    TxtCherche->setFocus();
    TxtMiroir->setText(ui::ToQt(PostalSpelling(entry.text)));
}

void Frm14CD::TxtMiroirChange() {
    SearchAsTyped(
        kPlaceNameSearch, TxtMiroir, kMinNameLength,
        [this](std::string_view name) { return SearchByName(names_, name); }, NameInfo);
    context_.platform.pointer.SetBusy(false);
}

void Frm14CD::LstLaListeClick(QListWidgetItem* item) {
    ClearDetails();
    Guarded(kPlaceListClick, [this, item] {
        if (const auto record =
                FindListItem(searchMode_, postcodes_, names_, ui::FromQt(item->text()))) {
            ShowDetails(*record);
        }
    });
}

void Frm14CD::ShowMatches(const CommuneMatches& matches) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(matches.items.size()));
    for (const std::string& item : matches.items) {
        items.push_back(ui::ToQt(item));
    }
    {
        const QSignalBlocker quiet(LstLaListe);
        LstLaListe->addItems(items);
    }
    if (matches.first) {
        ShowDetails(*matches.first);
    }
}

void Frm14CD::ShowDetails(const CommuneRecord& record) {
    const DetailTexts texts = DetailsOf(record);
    const auto labels = DetailLabels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i]->setText(ui::ToQt(texts[i]));
    }
    UpdateAvailability();
}

void Frm14CD::ClearDetails() {
    for (QLabel* label : DetailLabels()) {
        label->clear();
    }
    UpdateAvailability();
}

// The actions need a shown commune.
void Frm14CD::UpdateAvailability() {
    const bool shown = !LblCommuneMin->text().isEmpty();
    for (QPushButton* button : {CmdExterne, CmdGoogleMap, CmdCopier}) {
        button->setEnabled(shown);
    }
    ImgCopyTrue->setVisible(shown);
}

void Frm14CD::ShowInfoBox(const std::string& text) {
    context_.platform.boxes.Show(ui::ToQt(text), ui::ToQt(context_.values.TitreAppli),
                                 ui::Buttons::Ok, ui::Icon::None);
}

void Frm14CD::CmdCopierClick() {
    DetailTexts shown;
    const auto labels = DetailLabels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        shown[i] = ui::FromQt(labels[i]->text());
    }
    const std::string text = CopiedText(shown);
    context_.platform.clipboard.Clear();
    context_.platform.clipboard.SetText(ui::ToQt(text));
    ShowInfoBox(std::string("Les données on été copiées dans le presse-papier."_cp) + "\r\n\r\n" +
                text);
}

void Frm14CD::ImgCopyTrueClick() {
    const std::string key = ui::FromQt(LblCommune->text());
    context_.platform.clipboard.Clear();
    context_.platform.clipboard.SetText(ui::ToQt(key));
    ShowInfoBox(std::string("Le nom de commune a été copiée dans le presse-papier."_cp) +
                "\r\n\r\n" + key);
}

// The browser is the program the desktop opens a ".HTM" file with; it gets the address.
void Frm14CD::CmdGoogleMapClick() {
    Foc->setFocus();
    const QString address = ui::ToQt(
        MapDirectionsUrl(ui::FromQt(LblLatitude->text()), ui::FromQt(LblLongitude->text())));
    const ui::HtmlProbeFile probe;
    const std::optional<QString> program = context_.platform.browser.FindExecutable(probe.Path());
    if (!program) {
        context_.platform.boxes.Show(QStringLiteral("Could not your Browser"),
                                     QStringLiteral("Browser Not Found"), ui::Buttons::Ok,
                                     ui::Icon::Exclamation);
    } else if (!context_.platform.browser.OpenWith(*program, address)) {
        context_.platform.boxes.Show(QStringLiteral("Web Page not Opened"),
                                     QStringLiteral("URL Failed"), ui::Buttons::Ok,
                                     ui::Icon::Exclamation);
    }
}

void Frm14CD::CmdExterneClick() {
    Foc->setFocus();
    context_.platform.links.Open(ui::ToQt(
        TownHallUrl(ui::FromQt(LblCommuneMin->text()), ui::FromQt(LblDepartement->text()))));
}

void Frm14CD::CmdAboutClick() {
    Foc->setFocus();
    if (!about_) {
        about_ = new Frm21About(context_, this);
    }
    about_->show();
}

} // namespace zorvane::communes

#pragma once
// The communes window: finds communes while the user types a postal code or a name, shows
// one commune's details, copies them and opens its map directions and town-hall page. It
// loads its two commune lists in two timer steps each time it opens.

#include "communes/CommuneLists.h"
#include "communes/CommuneRecord.h"
#include "communes/CommuneSearch.h"
#include "communes/Frm21About.h"
#include "ui/ToolContext.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane::communes {

class Frm14CD final : public QWidget {
    Q_OBJECT
public:
    explicit Frm14CD(ui::ToolContext& context);

    QLineEdit* TxtCP = nullptr;
    QLineEdit* TxtCherche = nullptr;
    // hidden: holds the checked name, its change runs the name search
    QLineEdit* TxtMiroir = nullptr;
    QLineEdit* Txt1Foc = nullptr; // placeholders over the two entry boxes
    QLineEdit* Txt2Foc = nullptr;
    QLabel* LblInfo = nullptr;
    QListWidget* LstLaListe = nullptr;
    QLabel* LblCommune = nullptr;
    QLabel* LblCommuneMin = nullptr;
    QLabel* LblDepartement = nullptr;
    QLabel* LblRegion = nullptr;
    QLabel* LblCodeRegion = nullptr;
    QLabel* LblInsee = nullptr;
    QLabel* LblAcademie = nullptr;
    QLabel* LblCodeAca = nullptr;
    QLabel* LblZoneVac = nullptr;
    QLabel* LblLatitude = nullptr;
    QLabel* LblLongitude = nullptr;
    QPushButton* CmdCopier = nullptr;
    QPushButton* CmdGoogleMap = nullptr;
    QPushButton* CmdExterne = nullptr;
    QPushButton* CmdAbout = nullptr;
    QToolButton* ImgCopyTrue = nullptr;
    QPushButton* CmdQ = nullptr;
    QPushButton* Foc;
    std::unique_ptr<ui::Timer> TimCP;
    std::unique_ptr<ui::Timer> TimNom;

    CommuneSearchMode Mode() const { return searchMode_; }
    // The about window while it is open.
    Frm21About* About() const { return about_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildEntries();
    void BuildDetails();
    void BuildButtons();
    std::array<QLabel*, 11> DetailLabels() const;

    void TimCPTick();
    void TimNomTick();
    void ShowLoadProblem(const std::optional<std::string>& problem);

    void EntryFocused(QLineEdit* box, QLineEdit* other, CommuneSearchMode mode,
                      const QString& info);
    void TxtCPChange();
    void TxtChercheChange();
    void TxtMiroirChange();
    void LstLaListeClick(QListWidgetItem* item);
    // False while the lists are still loading: the status line then says so.
    bool ListsReady(std::size_t typedLength, std::size_t minLength);
    // Clears the list and details, then searches what box holds and fills them.
    template <typename Search, typename Info>
    void SearchAsTyped(std::string_view place, const QLineEdit* box, std::size_t minLength,
                       Search search, Info info);
    void ShowMatches(const CommuneMatches& matches);
    void ShowDetails(const CommuneRecord& record);
    void ClearDetails();
    void UpdateAvailability();
    template <typename Work> void Guarded(std::string_view place, Work work);

    void CmdCopierClick();
    void ImgCopyTrueClick();
    void CmdGoogleMapClick();
    void CmdExterneClick();
    void CmdAboutClick();
    void ShowInfoBox(const std::string& text);

    ui::ToolContext& context_;
    PostcodeList postcodes_;
    NameList names_;
    bool loaded_ = false;
    CommuneSearchMode searchMode_ = CommuneSearchMode::None;
    QPointer<Frm21About> about_;
};

} // namespace zorvane::communes

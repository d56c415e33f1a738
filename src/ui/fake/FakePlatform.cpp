#include "ui/fake/FakePlatform.h"

#include <algorithm>

namespace zorvane::ui::fake {

class FakeTimer final : public Timer {
public:
    FakeTimer(FakeTimerFactory& factory, QString name) : factory_(factory), name_(std::move(name)) {
        factory_.timers_.push_back(this);
    }
    ~FakeTimer() override { std::erase(factory_.timers_, this); }

    void Start(int ms) override {
        factory_.starts.emplace_back(name_, ms);
        active_ = true;
        deadline_ = factory_.now_ + ms;
        order_ = factory_.sequence_++;
    }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }

    const QString& Name() const { return name_; }
    long long Deadline() const { return deadline_; }
    long long Order() const { return order_; }

private:
    FakeTimerFactory& factory_;
    QString name_;
    bool active_ = false;
    long long deadline_ = 0;
    long long order_ = 0;
};

int FakeMessageBoxes::Show(const QString& text, const QString& title, Buttons buttons, Icon icon) {
    shown.push_back({text, title, buttons, icon});
    if (onShow) {
        onShow();
    }
    if (buttons == Buttons::Ok) {
        return kAnswerOk;
    }
    if (answers.empty()) {
        return buttons == Buttons::YesNoDefaultNo ? kAnswerNo : kAnswerYes;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

std::unique_ptr<Timer> FakeTimerFactory::Create(const QString& name) {
    return std::make_unique<FakeTimer>(*this, name);
}

FakeTimer* FakeTimerFactory::NextDue() const {
    FakeTimer* next = nullptr;
    for (FakeTimer* timer : timers_) {
        if (timer->IsActive() &&
            (next == nullptr || timer->Deadline() < next->Deadline() ||
             (timer->Deadline() == next->Deadline() && timer->Order() < next->Order()))) {
            next = timer;
        }
    }
    return next;
}

void FakeTimerFactory::Fire(FakeTimer* timer) {
    now_ = std::max(now_, timer->Deadline());
    timer->Stop();
    if (timer->OnTick) {
        // The handler may destroy the timer's owner: run a copy.
        const auto tick = timer->OnTick;
        tick();
    }
}

void FakeTimerFactory::Advance(int ms) {
    const long long until = now_ + ms;
    for (FakeTimer* next = NextDue(); next != nullptr && next->Deadline() <= until;
         next = NextDue()) {
        Fire(next);
    }
    now_ = until;
}

bool FakeTimerFactory::FireNext() {
    FakeTimer* next = NextDue();
    if (next == nullptr) {
        return false;
    }
    Fire(next);
    return true;
}

bool FakeTimerFactory::IsArmed(const QString& name) const {
    return std::any_of(timers_.begin(), timers_.end(), [&](const FakeTimer* timer) {
        return timer->Name() == name && timer->IsActive();
    });
}

void FakeClipboard::Clear() {
    text.clear();
    ++clears;
}

bool FakeLinkOpener::Open(const QString& url) {
    opened.push_back(url);
    return succeeds;
}

std::uint32_t FakeColourDialog::Choose(std::uint32_t initial) {
    openedWith.push_back(initial);
    if (picks.empty()) {
        return initial;
    }
    const std::uint32_t pick = picks.front();
    picks.pop_front();
    return pick;
}

std::string FakeSettingsStore::Path(std::string_view app, std::string_view section,
                                    std::string_view key) {
    return std::string(app) + "/" + std::string(section) + "/" + std::string(key);
}

std::optional<std::string> FakeSettingsStore::Get(std::string_view app, std::string_view section,
                                                  std::string_view key) const {
    const auto found = values.find(Path(app, section, key));
    if (found == values.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool FakeSettingsStore::Save(std::string_view app, std::string_view section,
                             const std::vector<SettingValue>& written) {
    if (!writable) {
        return false;
    }
    for (const SettingValue& value : written) {
        const std::string path = Path(app, section, value.key);
        values[path] = std::string(value.value);
        saved.push_back(path);
    }
    return true;
}

std::optional<std::string_view> FakeResources::Bytes(std::string_view type, int id) const {
    const auto found = resources_.find(std::string(type) + "." + std::to_string(id));
    if (found == resources_.end()) {
        return std::nullopt;
    }
    return std::string_view(found->second);
}

void FakeResources::Add(const std::string& type, int id, std::string bytes) {
    resources_[type + "." + std::to_string(id)] = std::move(bytes);
}

void FakeProgramEnd::EndProgram(int value) {
    if (!ended) {
        ended = true;
        status = value;
    }
}

} // namespace zorvane::ui::fake

#include "PendingDesktop.h"

namespace growthmark {

namespace {

class PendingDesktop : public Desktop {
public:
    void RegisterProjectionWindows() override {}
    void ShowMessage(const char*) override {}
    void OpenProjection(const char*) override {}
    SettingsPage* CreateSettingsPage(intptr_t, intptr_t, unsigned) override { return nullptr; }
};

} // namespace

std::unique_ptr<Desktop> MakePendingDesktop() { return std::make_unique<PendingDesktop>(); }

} // namespace growthmark

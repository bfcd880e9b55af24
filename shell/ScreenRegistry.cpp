#include "shell/ScreenRegistry.h"
#include "platform/Guard.h"
#include "platform/MessageBoxes.h"
#include "shell/Unit1.h"
#include "shell/Unit44.h"
#include "shell/Unit45.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"
#include "testing/Unit14.h"
#include "testing/Unit22.h"
#include "testing/Unit5.h"
#include "viewer/Unit24.h"
#include "viewer/Unit8.h"
#include <cstring>

namespace {

ScreenRegistry registry;
std::vector<std::unique_ptr<QWidget>> owned;

template <class T>
T* create()
{
    auto screen = std::make_unique<T>();
    T* raw = screen.get();
    owned.push_back(std::move(screen));
    guarded([raw] { raw->FormCreate(); });
    return raw;
}

} // namespace

ScreenRegistry& screens()
{
    return registry;
}

void createScreens()
{
    registry.Form1 = create<TForm1>();
    registry.Form1->show();  // the main window comes up as soon as it exists
    registry.Form5 = create<TForm5>();
    registry.Form12 = create<TForm12>();
    registry.Form13 = create<TForm13>();
    registry.Form14 = create<TForm14>();
    registry.Form22 = create<TForm22>();
    registry.Form8 = create<TForm8>();
    registry.Form24 = create<TForm24>();
    registry.Present = create<TPresent>();
    registry.Video = create<TVideo>();
    // Creating the testing screen hid the main menu; it is back on screen
    // before the first event is handled.
    registry.Form1->show();
}

int startScreens()
{
    try {
        createScreens();
    } catch (const std::exception& e) {
        releaseScreens();
        showStartupFailure(e);
        return 1;
    }
    return 0;
}

void releaseScreens()
{
    registry = ScreenRegistry{};
    // Newest first: later screens may refer to earlier ones while they go.
    while (!owned.empty())
        owned.pop_back();
}

void registerTestingScreen(std::unique_ptr<TForm13> screen)
{
    registry.Form13 = screen.get();
    owned.push_back(std::move(screen));
}

QWidget* screenByEntry(const char* entry)
{
    const std::pair<const char*, QWidget*> entries[] = {
        {"Form1", registry.Form1},   {"Form5", registry.Form5},   {"Form12", registry.Form12},
        {"Form13", registry.Form13}, {"Form14", registry.Form14}, {"Form22", registry.Form22},
        {"Form8", registry.Form8},   {"Form24", registry.Form24}, {"Present", registry.Present},
        {"Video", registry.Video},
    };
    for (const auto& [name, widget] : entries)
        if (std::strcmp(name, entry) == 0)
            return widget;
    return nullptr;
}

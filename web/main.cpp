// The web edition's window: the game runs in the page, which draws what the game reports
// and hands back the player's events, the clock's alarm and the closing of each message box.
//
// The page's events come one at a time through nextEvent(), which suspends the game until
// the next one arrives. A message box is modal as on the desktop: the handler that opens it
// waits inside msgBox() for the box to close, and meanwhile the events that come (the other
// timers' ticks, a second box) are handled from there, as a desktop toolkit does inside a
// modal box. Only the innermost wait is ever suspended.
#include "css.h"
#include "narrator.h"
#include "runtime.h"

#include <emscripten.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// What the page hands the game; page.js uses the same numbers. 1 to 9 are the squares' clicks.
enum Event {
    NewGameClick = 10,
    GetFocasClick = 11,
    Alarm = 12,
    BoxClosed = 13,
};

EM_ASYNC_JS(int, nextEvent, (), { return await Module.page.nextEvent(); });
EM_JS(double, pageNow, (), { return Module.page.now(); });
EM_JS(void, pageSetAlarm, (double when), { Module.page.setAlarm(when); });
EM_JS(void, pageOpenBox, (const char* prompt, const char* title, int icon),
      { Module.page.openBox(UTF8ToString(prompt), UTF8ToString(title), icon); });
EM_JS(void, pageBeep, (), { Module.page.beep(); });
EM_JS(void, pageAnnounce, (const char* message), { Module.page.announce(UTF8ToString(message)); });
EM_JS(void, pageDrawSquare, (int square, const char* picture, bool enabled, const char* name),
      { Module.page.drawSquare(square, UTF8ToString(picture), enabled, UTF8ToString(name)); });
EM_JS(void, pageDrawStatus, (const char* text, const char* color),
      { Module.page.drawStatus(UTF8ToString(text), UTF8ToString(color)); });
EM_JS(void, pageDrawList, (const char* list, const char* items),
      { Module.page.drawList(UTF8ToString(list), UTF8ToString(items)); });

// A move list as the page takes it: its items, one per line.
std::string lines(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += item + '\n';
    return text;
}

class Page final : public game::FrontEnd, public game::Clock {
public:
    Page() : m_runtime(*this, *this) {}

    // The window loads, and then handles the page's events until the page is closed. The page
    // already shows the window as it loads (the build writes it in: startstate.cpp), so only
    // what changes from then on is drawn.
    [[noreturn]] void run()
    {
        m_runtime.load();
        for (;;)
            handle(nextEvent());
    }

private:
    void handle(int event)
    {
        if (event >= 1 && event <= game::kSquareCount)
            m_runtime.squareClick(event);
        else if (event == NewGameClick)
            m_runtime.newGameClick();
        else if (event == GetFocasClick)
            m_runtime.getFocasClick();
        else if (event == Alarm)
            m_runtime.alarm();
    }

    // Returns when the box that was opened last has closed; everything else that comes
    // meanwhile is handled here, boxes opened by other ticks included.
    void msgBox(const std::string& prompt, game::BoxIcon icon, const std::string& title) override
    {
        pageOpenBox(prompt.c_str(), title.c_str(), int(icon));
        for (int event = nextEvent(); event != BoxClosed; event = nextEvent())
            handle(event);
    }

    void beep() override { pageBeep(); }
    void announce(const std::string& message) override { pageAnnounce(message.c_str()); }

    void drawSquare(int square)
    {
        const game::MainForm& form = m_runtime.form();
        const game::Mark mark = form.picture(square);
        pageDrawSquare(square, std::string(game::markPicture(mark)).c_str(),
                       form.squareEnabled(square), game::spokenSquare(square, mark).c_str());
    }

    void draw(const game::Change& change) override
    {
        using Property = game::Change::Property;
        const game::MainForm& form = m_runtime.form();
        switch (change.property) {
        case Property::SquarePicture:
        case Property::SquareEnabled:
            drawSquare(change.square);
            break;
        case Property::StatusText:
        case Property::StatusBackColor:
            pageDrawStatus(form.statusText().c_str(), web::css(form.statusBackColor()).c_str());
            break;
        case Property::P1MoveList:
            pageDrawList("lstP1M", lines(form.lstP1M()).c_str());
            break;
        case Property::P2MoveList:
            pageDrawList("lstP2M", lines(form.lstP2M()).c_str());
            break;
        case Property::WinCheckEnabled:
        case Property::TieCheckEnabled:
            break; // the timers are the game's own
        }
    }

    // The page's clock counts milliseconds as a double; the game counts whole microseconds.
    game::Time now() const override { return game::Time(std::llround(pageNow() * 1000.0)); }

    void setAlarm(std::optional<game::Time> when) override
    {
        pageSetAlarm(when ? double(when->count()) / 1000.0 : -1.0);
    }

    game::Runtime m_runtime;
};

} // namespace

int main()
{
    // Lives as long as the page: the game never returns from run().
    static Page page;
    page.run();
}

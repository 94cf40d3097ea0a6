// A toolkit for the game's tests: records boxes, beeps and changes, and can run other
// handlers while a box is open, as a real event loop does.
#pragma once

#include "runtimeerror.h"
#include "toolkit.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

struct FakeToolkit : game::Toolkit {
    struct Message {
        std::string prompt;
        int style;
        std::string title;
    };

    std::vector<Message> messages;
    int beeps = 0;
    std::vector<std::string> errors;
    std::vector<game::Change> changes;
    // Runs once inside the next message box, then is dropped.
    std::function<void()> whileNextBoxIsOpen;
    // Called on every box, before whileNextBoxIsOpen.
    std::function<void(const Message&)> onBox;

    void msgBox(const std::string& prompt, int style, const std::string& title) override
    {
        messages.push_back({prompt, style, title});
        if (onBox)
            onBox(messages.back());
        if (auto inside = std::exchange(whileNextBoxIsOpen, {}))
            inside();
    }
    void beep() override { ++beeps; }
    void runtimeError(const game::RuntimeError& error) override { errors.push_back(error.description()); }
    void changed(const game::Change& change) override { changes.push_back(change); }

    std::vector<std::string> prompts() const
    {
        std::vector<std::string> result;
        for (const Message& m : messages)
            result.push_back(m.prompt);
        return result;
    }
};

#pragma once
// A function tests can replace: every seam where the app meets the desktop
// (opening a URL, revealing a file, a dialog, a beep) keeps its current
// function in one of these, so a test never opens a window or makes a sound.

#include <functional>
#include <utility>

// Function is a std::function type.
template<typename Function>
class Replaceable final
{
public:
    explicit Replaceable(Function fallback)
        : m_default(fallback)
        , m_current(std::move(fallback))
    {
    }

    // Replaces the function for every later call and returns the one it
    // replaced; an empty function restores the default.
    Function replace(Function function)
    {
        Function previous = std::move(m_current);
        m_current = function ? std::move(function) : m_default;
        return previous;
    }

    // Calls a copy, so a function that replaces itself while running stays alive.
    template<typename... Args>
    auto operator()(Args &&...args) const
    {
        const Function function = m_current;
        return function(std::forward<Args>(args)...);
    }

private:
    Function m_default;
    Function m_current;
};

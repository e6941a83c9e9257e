#pragma once

#include <QString>

namespace kvr::test {

// The message of the error of type E (DbError, CompanyNotFound ...) the action raises; empty when
// it raises none, so that comparing it with the expected text fails. An error of another type
// escapes and fails the test with its own text.
template <typename E, typename Action>
QString raisedMessage(Action&& action)
{
    try {
        action();
    } catch (const E& error) {
        return error.message();
    }
    return {};
}

} // namespace kvr::test

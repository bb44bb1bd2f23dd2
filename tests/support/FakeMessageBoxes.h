#pragma once

#include <deque>
#include <vector>

#include "platform/MessageBoxes.h"

namespace daz::testing {

// Records every box shown and answers from a script; when the script runs
// out it answers with the box's default (OK, No, or Abort).
class FakeMessageBoxes final : public platform::MessageBoxes {
public:
    platform::MessageAnswer Show(const platform::MessageRequest& request) override
    {
        shown.push_back(request);
        if (!answers.empty()) {
            auto a = answers.front();
            answers.pop_front();
            return a;
        }
        switch (request.buttons) {
        case platform::MessageButtons::Ok: return platform::MessageAnswer::Ok;
        case platform::MessageButtons::YesNo: return platform::MessageAnswer::No;
        case platform::MessageButtons::AbortRetryIgnore: return platform::MessageAnswer::Abort;
        }
        return platform::MessageAnswer::Ok;
    }

    std::vector<platform::MessageRequest> shown;
    std::deque<platform::MessageAnswer> answers;
};

} // namespace daz::testing

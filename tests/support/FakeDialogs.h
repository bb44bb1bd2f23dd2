#pragma once

#include <deque>

#include "platform/Dialogs.h"

namespace daz::testing {

// Answers the dialogs from scripts; an empty script means cancelled.
class FakeDialogs final : public platform::Dialogs {
public:
    std::optional<QString> OpenFile(const QString& description, const QStringList& patterns,
                                    const QString& startFolder) override
    {
        fileRequests.push_back({description, patterns, startFolder});
        if (files.empty()) {
            return std::nullopt;
        }
        std::optional<QString> answer = std::move(files.front());
        files.pop_front();
        return answer;
    }
    std::optional<std::int32_t> ChooseColour(std::int32_t initial) override
    {
        lastInitialColour = initial;
        if (colours.empty()) {
            return std::nullopt;
        }
        const std::optional<std::int32_t> answer = colours.front();
        colours.pop_front();
        return answer;
    }

    struct FileRequest {
        QString description;
        QStringList patterns;
        QString startFolder;
    };
    std::deque<FileRequest> fileRequests;
    std::deque<std::optional<QString>> files; // nullopt entries cancel
    std::deque<std::optional<std::int32_t>> colours;
    std::int32_t lastInitialColour = 0;
};

} // namespace daz::testing

#include "JsonKeys.h"

#include <set>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>

namespace daz {

std::optional<QString> DuplicatedKey(const QByteArray& text)
{
    struct Open {
        bool object = false;
        bool keyNext = false;
        std::set<QString> keys;
    };
    std::vector<Open> open;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '{' || c == '[') {
            open.push_back({c == '{', c == '{', {}});
        } else if ((c == '}' || c == ']') && !open.empty()) {
            open.pop_back();
        } else if (c == ',' && !open.empty()) {
            open.back().keyNext = open.back().object;
        } else if (c == '"') {
            qsizetype end = i + 1;
            while (end < text.size() && text[end] != '"') {
                end += text[end] == '\\' ? 2 : 1;
            }
            if (!open.empty() && open.back().keyNext) {
                open.back().keyNext = false;
                const QByteArray raw = text.mid(i + 1, end - i - 1);
                const QString key =
                    !raw.contains('\\')
                        ? QString::fromUtf8(raw)
                        : QJsonDocument::fromJson('[' + text.mid(i, end - i + 1) + ']').array().at(0).toString();
                if (!open.back().keys.insert(key).second) {
                    return key;
                }
            }
            i = end;
        }
    }
    return std::nullopt;
}

} // namespace daz

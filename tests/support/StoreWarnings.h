// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The shared store's warnings, collected while an object of StoreWarnings
// lives.

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

namespace platform::test {

class StoreWarnings {
public:
    StoreWarnings()
    {
        s_messages.clear();
        QLoggingCategory::setFilterRules(QStringLiteral("kelvane.store.warning=true"));
        m_previous = qInstallMessageHandler(collect);
    }
    ~StoreWarnings()
    {
        qInstallMessageHandler(m_previous);
        QLoggingCategory::setFilterRules(QString());
    }
    StoreWarnings(const StoreWarnings&) = delete;
    StoreWarnings& operator=(const StoreWarnings&) = delete;

    // How many warnings mention `text`.
    static qsizetype mentioning(const QString& text)
    {
        qsizetype count = 0;
        for (const auto& message : s_messages)
            count += message.contains(text) ? 1 : 0;
        return count;
    }
    static QString all() { return s_messages.join(QLatin1Char('\n')); }

private:
    static void collect(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type == QtWarningMsg && context.category && QByteArray(context.category) == "kelvane.store")
            s_messages << message;
    }

    static inline QStringList s_messages;
    QtMessageHandler m_previous = nullptr;
};

} // namespace platform::test

#pragma once
// Texts that have broken other programs' storage or display: quotes and SQL
// fragments, LIKE wildcards, control characters, right-to-left marks,
// characters outside the Basic Multilingual Plane and very long texts.
#include <QString>
#include <QStringList>

inline QStringList hostileStrings()
{
    QStringList corpus = {
        QStringLiteral("O'Brien"),
        QStringLiteral("''"),
        QStringLiteral("\"; DROP TABLE Users; --"),
        QStringLiteral("' OR '1'='1"),
        QStringLiteral("x' OR 1=1 --"),
        QStringLiteral("%"),
        QStringLiteral("_%_"),
        QStringLiteral("[Login]"),
        QStringLiteral("\\\\server\\share"),
        QStringLiteral("a\tb\nc\rd"),
        QString(QChar(0x0007)) + QStringLiteral("bell"),
        QStringLiteral("\u202Eевтсежес\u202C"),
        QStringLiteral("שלום עולם"),
        QStringLiteral("Иванов Пётр Ёжиков"),
        QString::fromUtf8("\xF0\x9F\x98\x80 \xF0\x9D\x84\x9E"),
        QStringLiteral(" leading and trailing "),
        QStringLiteral("<script>alert(1)</script>"),
        QStringLiteral("%s%s%n"),
        QStringLiteral("'a'||'b'"),
        QStringLiteral("ABC abc"),
    };
    corpus << QString(300, QChar(u'Ж')) << QString(5000, QChar(u'\''));
    // A surrogate pair must not be split when a text is cut to its size:
    // 29 letters then an emoji crosses a 30-character boundary.
    corpus << QString(29, QChar(u'a')) + QString::fromUtf8("\xF0\x9F\x98\x80");
    return corpus;
}

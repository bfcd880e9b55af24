#pragma once
// The fields a dataset declares: the engine's column, its kind and, for text,
// the size a value is cut to when assigned through that dataset.
#include <QList>
#include <QString>

enum class FieldKind { Text, AutoInc, DateTime };

struct FieldDef {
    FieldDef() = default;
    FieldDef(QString name_, FieldKind kind_ = FieldKind::Text, int size_ = 0, QString title_ = {},
             int displayWidth_ = 0)
        : name(std::move(name_)), kind(kind_), size(size_), title(std::move(title_)), displayWidth(displayWidth_)
    {
    }
    QString name;
    FieldKind kind = FieldKind::Text;
    int size = 0;          // characters, text fields only
    QString title;         // grid column title; the name when empty
    int displayWidth = 0;  // grid column width in average characters; the size when 0
};

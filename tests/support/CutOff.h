#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

// Every visible label and button inside container is as large as its text needs
// (a wrapped label as high as its text at its width) and lies inside window.
inline void ExpectNothingCutOff(QWidget& container, QWidget& window, const std::string& where)
{
    QList<QWidget*> texts;
    for (QLabel* label : container.findChildren<QLabel*>())
        texts << label;
    for (QAbstractButton* button : container.findChildren<QAbstractButton*>())
        texts << button;
    for (QWidget* text : texts) {
        if (!text->isVisibleTo(&window))
            continue;
        const std::string name = where + ": " + text->objectName().toStdString();
        const auto* label = qobject_cast<QLabel*>(text);
        if (label && label->wordWrap())
            EXPECT_GE(text->height(), label->heightForWidth(text->width())) << name;
        else
            EXPECT_GE(text->width(), text->minimumSizeHint().width()) << name;
        EXPECT_GE(text->height(), text->fontMetrics().height()) << name;
        EXPECT_TRUE(window.rect().contains(QRect(text->mapTo(&window, QPoint(0, 0)), text->size()))) << name;
    }
}

// second stands on the line of first, after it, within window.
inline void ExpectOnOneLine(const QWidget& first, const QWidget& second, const QWidget& window, const std::string& where)
{
    const QRect a(first.mapTo(&window, QPoint(0, 0)), first.size());
    const QRect b(second.mapTo(&window, QPoint(0, 0)), second.size());
    EXPECT_LT(a.top(), b.bottom()) << where;
    EXPECT_LT(b.top(), a.bottom()) << where;
    EXPECT_LE(a.right(), b.left()) << where;
}

#pragma once

#include <QLatin1String>
#include <QWidget>

// The skin's style sheet addresses the library's widgets by object name and
// by their "class" property.
inline void styleWidget(QWidget *widget, const char *objectName, const char *styleClass)
{
    widget->setObjectName(QLatin1String(objectName));
    widget->setProperty("class", QLatin1String(styleClass));
}

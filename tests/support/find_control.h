#pragma once

#include <QAbstractItemView>
#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

// The child of `parent` with the object name `name` and the type T, found the
// way a Qt test finds a control. A missing child ends the test with an error
// that names it.
template <typename T = QWidget> T* FindControl(const QObject& parent, const char* name) {
    T* control = parent.findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) {
        throw std::runtime_error(std::string("no control named ") + name + " of that type");
    }
    return control;
}

// The model of the item view named `viewName`, as the type it has.
template <typename Model> Model& ViewModel(const QObject& parent, const char* viewName) {
    auto* model = qobject_cast<Model*>(FindControl<QAbstractItemView>(parent, viewName)->model());
    if (model == nullptr) {
        throw std::runtime_error(std::string(viewName) + " shows a model of another type");
    }
    return *model;
}

// Steps on the wizard under test.
#pragma once

#include "AppFixture.h"

class WizardFixture : public AppFixture
{
protected:
    using AppFixture::control;
    // A control of the wizard under test.
    template <class T = QWidget>
    T *control(const char *name) const { return control<T>(scope, name); }
    // Shows a wizard, as its launcher does, and makes it the one under test.
    void open(QWidget *wizard)
    {
        scope = wizard;
        wizard->show();
    }
    void click(const char *name) { press(scope, name); }
    bool enabled(const char *name) { return control(name)->isEnabled(); }
    void setText(const char *name, const QString &text) { control<QLineEdit>(name)->setText(text); }
    QString fieldText(const char *name) { return control<QLineEdit>(name)->text(); }
    // The entries of a list box or a drop-down list of the wizard under test.
    QStringList items(const char *name)
    {
        const QAbstractItemModel *model = nullptr;
        if (auto *combo = qobject_cast<QComboBox *>(control(name)))
            model = combo->model();
        else if (auto *view = qobject_cast<QAbstractItemView *>(control(name)))
            model = view->model();
        QStringList texts;
        for (int i = 0; model && i < model->rowCount(); ++i)
            texts << model->index(i, 0).data().toString();
        return texts;
    }
    // A list choice as the user makes it: the selection, then the list's own signal.
    void choose(const char *list, int index)
    {
        auto *combo = control<QComboBox>(list);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void check(const char *box, bool on = true) { control<QCheckBox>(box)->setChecked(on); }
    // The user saves through `button`, picking `name` in the test's folder.
    void saveAs(const char *button, const QString &name)
    {
        chosen.push_back(path(name));
        click(button);
    }
    QWidget *scope = nullptr; // the wizard under test
};

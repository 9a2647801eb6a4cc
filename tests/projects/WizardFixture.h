#pragma once
// A loaded main window with the new-design wizard, whose modal runs a test answers by acting in it.
// The window is reached through its projects part (ProjectWindowTest.h).

#include "ProjectWindowTest.h"
#include "core/Units.h"
#include "projects/Card_Wizard.h"
#include "support/AppEnvironment.h"
#include "support/ScriptedResponder.h"

#include <QComboBox>
#include <QDialog>
#include <functional>
#include <gtest/gtest.h>

class WizardFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        c = env.controller();
        ASSERT_NE(c, nullptr);
        Measument_Unit_Is = last_unit_val = 2;
        wizard = Card_Wizard::defaultInstance(projects());
        ASSERT_NE(wizard, nullptr);
    }
    // The next wizard run: act on the wizard (press its buttons), and its own result is the answer.
    void whenWizardRuns(std::function<void(Card_Wizard &)> act)
    {
        responder->onModal = [this, act](QDialog &dialog) {
            if (&dialog != wizard)
                return other ? other(dialog) : 0;
            ++wizardRuns;
            dialog.setResult(-1);
            act(*wizard);
            return dialog.result();
        };
    }
    QStringList messages()
    {
        QStringList out;
        for (const QString &m : responder->alertMessages())
            out << m.trimmed();
        return out;
    }
    ProjectsController &projects() { return projecttest::projectsOf(*c); }
    DesignController &design() { return projecttest::designOf(*c); }
    static int vendorIndex(QComboBox *combo, const QString &name) { return combo->findText(name); }

    testsupport::AppEnvironment env{QString(), true};
    testsupport::ResponderScope responder;
    SKTWindowController *c = nullptr;
    Card_Wizard *wizard = nullptr;
    int wizardRuns = 0;
    std::function<int(QDialog &)> other;   // answers the other dialogs (page setup, name questions)
};

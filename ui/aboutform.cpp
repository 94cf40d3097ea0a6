// The program's one reference to the About window.
#include "aboutform.h"

AboutForm& AboutForm::instance()
{
    static AboutForm form;
    return form;
}

void AboutForm::show()
{
    if (!m_window)
        m_window = new FrmAbout;
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

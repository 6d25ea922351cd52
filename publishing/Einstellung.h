#pragma once

#include <vector>

#include "platform/Window.h"

class Canvas;
class EditField;
class Knopf;
class StaticText;
class TabPanel;

// The settings window: the FTP login with a test upload and the web page
// upload on the tab "FTP", the mail recipient with a test mail on the tab
// "Mail". It keeps no settings of its own: it fills its fields from the
// publishing settings in memory when it opens, puts tested values back into
// memory, and "Übernemen" takes all six and writes the preferences file.
class Einstellung : public Window, public ImplicitWindow<Einstellung> {
    Q_OBJECT
public:
    Einstellung();

    TabPanel *TabPanel1 = nullptr;
    std::vector<StaticText *> StaticText1;  // "ftp-Server", "Benutzername", "Passwort"
    std::vector<EditField *> ftp_edit;      // server, user name, password
    StaticText *ftp_schreib = nullptr;      // the red result line
    Knopf *ftp_test = nullptr;
    std::vector<EditField *> mail_edit;     // recipient's name and address
    std::vector<StaticText *> StaticText2;  // "an", "eMail-Adresse" (indexes 3 and 4)
    Knopf *mail_test1 = nullptr;
    EditField *EditField11 = nullptr;         // the page name
    Knopf *ftp_html = nullptr;                // "Übertragen"
    StaticText *StaticText3 = nullptr;        // ".html" while the page-name row shows
    Canvas *Canvas1 = nullptr;                // the logo
    std::vector<Knopf *> Einstellung_fertig;  // "Zurück", "Übernemen"

    void TabPanel1_Change();
    void ftp_test_Action();
    void ftp_html_Action();
    void mail_test1_Action();
    void Einstellung_fertig_Action(int index);

protected:
    void Event_Open() override;

private:
    void buildFtpPage();
    void buildMailPage();
    // Shows or hides the page name, its ".html" and its upload button.
    void showPageRow(bool shown);
};

#include "publishing/Einstellung.h"

#include <QVariantList>

#include "capture/Bildtext.h"
#include "capture/MenuBar1.h"
#include "capture/Startmodul.h"
#include "controls/Knopf.h"
#include "platform/Canvas.h"
#include "platform/Date.h"
#include "platform/EditField.h"
#include "platform/PendingInput.h"
#include "platform/Resources.h"
#include "platform/Scripts.h"
#include "platform/StaticText.h"
#include "platform/TabPanel.h"
#include "publishing/FtpUpload.h"
#include "publishing/PictureFolderFile.h"
#include "publishing/Preferences.h"
#include "publishing/WebPage.h"
#include "publishing/mail.h"

namespace {

const QString kPictureName = QStringLiteral("Kamerabild.jpg");
const QString kOk = QStringLiteral("OK");
constexpr int kTextSize = 16;

Window::Layout makeLayout() {
    Window::Layout l;
    l.Title = QStringLiteral("Einstellungen");
    l.Width = 550;
    l.Height = 398;
    l.FrameKind = Window::Titled;
    l.PlacementKind = Window::CentredOnParent;
    l.HasBackColor = true;
    l.BackColor = QColor(0xE6, 0xE2, 0xBE);
    l.CloseButton = true;
    l.MinimizeButton = false;
    l.Visible = true;
    return l;
}

StaticText *label(QWidget *parent, int index, int left, int top, int width, const QString &text,
                  int align) {
    auto *t = new StaticText(parent);
    t->Index = index;
    t->place(left, top, width, 20);
    t->setText(text);
    t->TextSize = kTextSize;
    t->TextAlign = align;
    return t;
}

EditField *field(QWidget *parent, int index, int left, int top, int width) {
    auto *e = new EditField(parent);
    e->Index = index;
    e->place(left, top, width, 22);
    e->setTextSize(kTextSize);
    return e;
}

Knopf *button(QWidget *parent, const QString &text, int radius) {
    KnopfLook look = KnopfLook::light();
    look.Radius = radius;
    return new Knopf(parent, text, look);
}

}  // namespace

Einstellung::Einstellung() : Window(makeLayout()) {
    setMenuBar(&MenuBar1::instance());

    TabPanel1 = new TabPanel(content(), {QStringLiteral("FTP"), QStringLiteral("Mail")});
    TabPanel1->place(20, 116, 514, 234);
    TabPanel1->setTextSize(kTextSize);
    TabPanel1->Change = [this] { TabPanel1_Change(); };

    buildFtpPage();
    buildMailPage();

    Canvas1 = new Canvas(content());
    Canvas1->place(334, 14, 200, 90);
    Canvas1->setBackdrop(Bild3());

    const QString captions[] = {QString::fromUtf8("Zurück"), QString::fromUtf8("Übernemen")};
    for (int i = 0; i < 2; ++i) {
        Knopf *b = button(content(), captions[i], 0);
        b->Index = i;
        b->place(275 * i, 368, 275, 30);
        b->Action = [this, i] { Einstellung_fertig_Action(i); };
        Einstellung_fertig.push_back(b);
    }

    // Tab moves through the fields of the page in this order.
    setTabOrder(ftp_edit[0], ftp_edit[1]);
    setTabOrder(ftp_edit[1], ftp_edit[2]);
    setTabOrder(ftp_edit[2], EditField11);
    setTabOrder(mail_edit[0], mail_edit[1]);
}

void Einstellung::buildFtpPage() {
    QWidget *page = TabPanel1->page(0);
    const QString captions[] = {QStringLiteral("ftp-Server"), QStringLiteral("Benutzername"),
                                QStringLiteral("Passwort")};
    const int labelTops[] = {183, 213, 243};
    const int fieldTops[] = {183, 213, 241};
    for (int i = 0; i < 3; ++i) {
        StaticText1.push_back(label(page, i, 43, labelTops[i], 114, captions[i], 2));
        ftp_edit.push_back(field(page, i, 170, fieldTops[i], 333));
    }
    ftp_edit[2]->setPassword(true);

    ftp_schreib = label(page, -1, 41, 275, 333, QString(), 0);
    ftp_schreib->setHeight(22);
    ftp_schreib->TextColor = QColor(0xFF, 0x00, 0x00);

    ftp_test = button(page, QStringLiteral("Testen"), 22);
    ftp_test->place(386, 275, 117, 27);
    ftp_test->Action = [this] { ftp_test_Action(); };

    EditField11 = field(page, -1, 43, 309, 265);
    EditField11->setText(QStringLiteral("kameraseite"));
    EditField11->setVisible(false);

    ftp_html = button(page, QString::fromUtf8("Übertragen"), 22);
    ftp_html->place(386, 309, 117, 27);
    ftp_html->Action = [this] { ftp_html_Action(); };
    ftp_html->setVisible(false);

    StaticText3 = label(page, -1, 308, 311, 57, QString(), 0);
}

void Einstellung::buildMailPage() {
    QWidget *page = TabPanel1->page(1);
    mail_edit.push_back(field(page, 0, 170, 183, 333));
    mail_edit.push_back(field(page, 1, 170, 213, 333));
    StaticText2.push_back(label(page, 3, 32, 183, 126, QStringLiteral("an"), 2));
    StaticText2.push_back(
        label(page, 4, 32, 215, 126, QStringLiteral("eMail-Adresse") + QChar(13), 2));

    mail_test1 = button(page, QStringLiteral("Testen"), 22);
    mail_test1->place(404, 296, 99, 27);
    mail_test1->Action = [this] { mail_test1_Action(); };
}

void Einstellung::Event_Open() {
    ftp_edit[0]->setText(Module1::ftp_server);
    ftp_edit[1]->setText(Module1::ftp_name);
    ftp_edit[2]->setText(Module1::ftp_passwort);
    EditField11->setText(Module1::ftp_seite);
    mail_edit[0]->setText(mail::an_name);
    mail_edit[1]->setText(mail::an_adresse);
    showPageRow(false);
}

void Einstellung::showPageRow(bool shown) {
    EditField11->setVisible(shown);
    StaticText3->setText(shown ? QStringLiteral(".html") : QString());
    ftp_html->setVisible(shown);
}

void Einstellung::TabPanel1_Change() {
    if (TabPanel1->Value() == 1) mail_starten();
}

void Einstellung::ftp_test_Action() {
    Startmodul::fol = pictureFolderFile(kPictureName);
    Startmodul::p = Bild2();
    Startmodul::p = Module1::Bildtext(Startmodul::p);
    if (Startmodul::fol) Startmodul::fol->SaveAsJPEG(Startmodul::p);
    ftp_schreib->setText(
        Module1::ftp_Upload(ftp_edit[0]->Text(), ftp_edit[1]->Text(), ftp_edit[2]->Text()));
    discardPendingInput();
    if (ftp_schreib->Text() == kOk) {
        // Memory only: the schedule uploads with these until "Übernemen"
        // stores them or another test replaces them.
        Module1::ftp_server = ftp_edit[0]->Text();
        Module1::ftp_name = ftp_edit[1]->Text();
        Module1::ftp_passwort = ftp_edit[2]->Text();
        showPageRow(true);
    } else {
        showPageRow(false);
    }
}

void Einstellung::ftp_html_Action() {
    ftp_schreib->setText(QStringLiteral(" "));
    const QString name = EditField11->Text() + QStringLiteral(".html");
    Module1::html_sichern(name);
    // Goes up with the login of the last good test, not what the fields hold.
    ftp_schreib->setText(Module1::html_schicken(name));
    discardPendingInput();
    if (ftp_schreib->Text() == kOk) ftp_schreib->setText(QString::fromUtf8("Übertragen"));
}

void Einstellung::mail_test1_Action() {
    const Date moment;
    mail::mail_daten();
    Startmodul::fol = pictureFolderFile(kPictureName);
    // Mailed pictures go without the date band.
    Startmodul::p = Bild2();
    if (Startmodul::fol) Startmodul::fol->SaveAsJPEG(Startmodul::p);
    mail::an_name = mail_edit[0]->Text();
    mail::an_adresse = mail_edit[1]->Text();
    mail_schicken(
        QVariantList{mail::an_name, mail::an_adresse, mail::mail_pfad, mail::subject(moment)});
    discardPendingInput();
}

void Einstellung::Einstellung_fertig_Action(int index) {
    if (index == 0) Close();
    if (index == 1) {
        Module1::ftp_server = ftp_edit[0]->Text();
        Module1::ftp_name = ftp_edit[1]->Text();
        Module1::ftp_passwort = ftp_edit[2]->Text();
        // Also while the field is hidden: then it holds the stored name.
        Module1::ftp_seite = EditField11->Text();
        mail::an_name = mail_edit[0]->Text();
        mail::an_adresse = mail_edit[1]->Text();
        Module1::sichern();
    }
}

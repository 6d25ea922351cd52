#pragma once

#include <vector>

#include "platform/Date.h"
#include "platform/Window.h"

class calCanvas_aus;
class calCanvas_ein;
class Canvas;
class CheckBox;
class EditField;
class Graphics;
class GroupBox;
class Knopf;
class RadioButton;
class StaticText;

// The schedule sheet, shown within the camera window: switch-on and
// switch-off day and time, the repeat interval, the action and whether
// home-page uploads keep archive pictures. Its entries live in its controls
// until "Starten" copies them into Startmodul; only the two days go there at
// once, as the calendars report them. "Zurück" hides the sheet with all its
// entries; "Starten" closes it, so the next use builds a fresh one.
//
// It opens in the daily view (342 high, calendars out of view above the top
// edge); "Kalender" makes it 552 high with the calendars showing. Every
// control but the archive box keeps its distance to the bottom edge; the box
// moves with its group box.
class w5 : public Window, public ImplicitWindow<w5> {
    Q_OBJECT
public:
    w5();

    static constexpr int dailyHeight = 342;
    static constexpr int calendarHeight = 552;

    GroupBox *GroupBox1 = nullptr;
    calCanvas_ein *calCanvas_ein1 = nullptr;
    Knopf *Knopf2 = nullptr;  // "Zurück"
    Knopf *Knopf1 = nullptr;  // "Starten"
    GroupBox *GroupBox2 = nullptr;
    calCanvas_aus *calCanvas_aus1 = nullptr;
    std::vector<RadioButton *> Kalender_ein;  // "Kalender", "täglich"
    std::vector<EditField *> tagein;          // switch-on hour, minute
    StaticText *StaticText1 = nullptr;
    EditField *tagoft = nullptr;  // repeat interval in minutes
    StaticText *StaticText2 = nullptr;
    StaticText *StaticText3 = nullptr;
    StaticText *StaticText4 = nullptr;
    StaticText *StaticText5 = nullptr;
    std::vector<EditField *> tagaus;  // switch-off hour, minute
    StaticText *StaticText6 = nullptr;
    StaticText *StaticText7 = nullptr;
    GroupBox *GroupBox3 = nullptr;
    std::vector<RadioButton *> RadioButton1;  // folder, mail, home page
    CheckBox *protokol = nullptr;
    Canvas *Canvas1 = nullptr;

    void calCanvas_ein1_cellClick(int cell, DatePtr d);
    void calCanvas_aus1_cellClick(int cell, DatePtr d);
    void Knopf2_Action();
    void Knopf1_Action();
    void Kalender_ein_Action(int index);
    void tagoft_LostFocus();
    void RadioButton1_Action(int index);
    void protokol_Action();
    void Canvas1_Paint(Graphics &g);

protected:
    void Event_Open() override;
    // A close asked by the window system only hides the sheet, as "Zurück".
    bool Event_CancelClose() override;

private:
    void buildTimeRows();
    void buildActionGroup();
};

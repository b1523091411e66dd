#include "toolkit/Exceptions.h"
#include "toolkit/FormReader.h"

#include <gtest/gtest.h>

namespace {

const char* const sample = "object Form3: TForm3\n"
                           "  Caption = '設定'\n"
                           "  Width = 310\n"
                           "  Font.Height = -12\n"
                           "  Color = $00FF00\n"
                           "  Position = poScreenCenter\n"
                           "  Font.Style = [fsBold, fsItalic]\n"
                           "  object Edit1: TEdit\n"
                           "    Text = 'it''s'#13#10 +\n"
                           "      'two'\n"
                           "    ReadOnly = True\n"
                           "    Items.Strings = (\n"
                           "      'one'\n"
                           "      'ソ表')\n"
                           "  end\n"
                           "  object Timer1: TTimer\n"
                           "  end\n"
                           "end\n";

TEST(FormReader, ReadsObjectsPropertiesAndEveryKindOfValue)
{
    FormObject form = ReadFormDescription(sample, "Setting");
    EXPECT_EQ(form.name, "Form3");
    EXPECT_EQ(form.className, "TForm3");
    ASSERT_EQ(form.properties.size(), 6u);
    EXPECT_EQ(form.properties[0].value.AsText(), "設定");
    EXPECT_EQ(form.properties[1].value.AsInt(), 310);
    EXPECT_EQ(form.properties[2].name, "Font.Height");
    EXPECT_EQ(form.properties[2].value.AsInt(), -12);
    EXPECT_EQ(form.properties[2].line, 4);
    EXPECT_EQ(form.properties[3].value.AsInt(), 0x00FF00);
    EXPECT_EQ(form.properties[4].value.AsIdentifier(), "poScreenCenter");
    EXPECT_EQ(form.properties[5].value.AsSet(), (std::vector<std::string>{"fsBold", "fsItalic"}));

    ASSERT_EQ(form.children.size(), 2u);
    const FormObject& edit = form.children[0];
    EXPECT_EQ(edit.name, "Edit1");
    EXPECT_EQ(edit.line, 8);
    EXPECT_EQ(edit.properties[0].value.AsText(), "it's\r\ntwo");
    EXPECT_TRUE(edit.properties[1].value.AsBool());
    // "ソ" and "表" have a backslash as their second Shift-JIS byte.
    EXPECT_EQ(edit.properties[2].value.AsList(), (std::vector<std::string>{"one", "ソ表"}));
    EXPECT_EQ(edit.properties[2].line, 12);
    EXPECT_EQ(form.children[1].className, "TTimer");
    EXPECT_TRUE(form.children[1].properties.empty());
}

TEST(FormReader, AValueOfTheWrongKindIsAnError)
{
    FormObject form = ReadFormDescription("object F: TF\n  Width = 'wide'\nend\n", "F");
    EXPECT_THROW(form.properties[0].value.AsInt(), EFormError);
    EXPECT_THROW(form.properties[0].value.AsBool(), EFormError);
}

TEST(FormReader, SyntaxErrorsNameTheFormAndTheLine)
{
    struct Case {
        const char* text;
        const char* start;
    } cases[] = {
        {"object F: TF\n  Caption = 'open\nend\n", "Main.form, line 2:"},
        {"object F: TF\n  Width 10\nend\n", "Main.form, line 2:"},
        {"object F: TF\n  Width = 10 20\nend\n", "Main.form, line 2:"},
        {"object F: TF\n  object P: TPanel\n  end\n", "Main.form, line 4:"},
        {"object F TF\nend\n", "Main.form, line 1:"},
        {"object F: TF\n  Style = [fsBold fsItalic]\nend\n", "Main.form, line 2:"},
        {"object F: TF\nend\nend\n", "Main.form, line 3:"},
    };
    for (const Case& c : cases) {
        try {
            ReadFormDescription(c.text, "Main");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EFormError& error) {
            EXPECT_EQ(error.Message.rfind(c.start, 0), 0u) << error.Message;
        }
    }
}

} // namespace

#pragma once
// Reads a form description: a nested text of objects and their properties.
//
//   object Form1: TForm1
//     Caption = 'Horavel V1.1'
//     Font.Style = [fsBold]
//     object Timer1: TTimer
//       OnTimer = Timer1Timer
//     end
//   end
//
// Values are quoted texts ('it''s', #13 for a character code, pieces joined
// with +), whole numbers (-12, $FF), identifiers (clLime, True), sets of
// identifiers ([fsBold]) and lists of texts (( 'one' 'two' )).
#include "Exceptions.h"

#include <string>
#include <vector>

struct FormValue {
    enum class Kind { Text, Number, Identifier, Set, List };

    Kind kind = Kind::Number;
    std::string text;               // Text and Identifier
    long long number = 0;           // Number
    std::vector<std::string> items; // Set (identifiers) and List (texts)

    // Each accessor raises EFormError when the value is of another kind.
    const std::string& AsText() const;
    int AsInt() const;
    const std::string& AsIdentifier() const;
    bool AsBool() const;
    const std::vector<std::string>& AsSet() const;
    const std::vector<std::string>& AsList() const;
};

struct FormProperty {
    std::string name;
    FormValue value;
    int line = 0;
};

struct FormObject {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<FormProperty> properties;
    std::vector<FormObject> children;
};

// Parses a whole description; formName ("Main") names it in the EFormError
// raised for a syntax error, together with the line.
FormObject ReadFormDescription(const std::string& text, const std::string& formName);

// The error for something wrong at a line of a description: "Main.form, line 12: what".
EFormError FormErrorAt(const std::string& formName, int line, const std::string& what);

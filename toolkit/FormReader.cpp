#include "FormReader.h"

#include "Exceptions.h"

#include <cctype>

namespace {

EFormError wrongKind(const char* expected)
{
    return EFormError(std::string(expected) + " expected");
}

bool isIdentifierStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool isIdentifierChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}

class Parser {
public:
    Parser(const std::string& text, const std::string& formName) : text_(text), formName_(formName) {}

    FormObject ReadRoot()
    {
        skipBlank();
        FormObject root = readObject();
        skipBlank();
        if (at_ != text_.size())
            throw error("text after the last 'end'");
        return root;
    }

private:
    EFormError error(const std::string& what) const { return FormErrorAt(formName_, line_, what); }

    char peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }

    // Skips blanks and line ends, counting lines.
    void skipBlank()
    {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) {
            if (text_[at_] == '\n')
                ++line_;
            ++at_;
        }
    }

    // Skips blanks on the current line only.
    void skipSpaces()
    {
        while (peek() == ' ' || peek() == '\t' || peek() == '\r')
            ++at_;
    }

    std::string readIdentifier()
    {
        if (!isIdentifierStart(peek()))
            throw error("a name was expected");
        std::string::size_type start = at_;
        while (isIdentifierChar(peek()))
            ++at_;
        return text_.substr(start, at_ - start);
    }

    void expect(char c)
    {
        skipSpaces();
        if (peek() != c)
            throw error(std::string("'") + c + "' was expected");
        ++at_;
    }

    void expectLineEnd()
    {
        skipSpaces();
        if (peek() != '\n' && peek() != '\0')
            throw error("the line goes on after its value");
    }

    FormObject readObject()
    {
        FormObject object;
        object.line = line_;
        if (readIdentifier() != "object")
            throw error("'object' was expected");
        skipSpaces();
        object.name = readIdentifier();
        expect(':');
        skipSpaces();
        object.className = readIdentifier();
        expectLineEnd();
        for (;;) {
            skipBlank();
            if (peek() == '\0')
                throw error("'end' is missing for " + object.name);
            std::string::size_type lineStart = at_;
            int line = line_;
            std::string word = readIdentifier();
            if (word == "end") {
                expectLineEnd();
                return object;
            }
            if (word == "object") {
                at_ = lineStart;
                object.children.push_back(readObject());
                continue;
            }
            expect('=');
            skipSpaces();
            object.properties.push_back({word, readValue(), line});
            expectLineEnd();
        }
    }

    FormValue readValue()
    {
        FormValue value;
        char c = peek();
        if (c == '\'' || c == '#') {
            value.kind = FormValue::Kind::Text;
            value.text = readText();
        } else if (c == '-' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
            value.kind = FormValue::Kind::Number;
            value.number = readNumber();
        } else if (c == '[') {
            value.kind = FormValue::Kind::Set;
            value.items = readSet();
        } else if (c == '(') {
            value.kind = FormValue::Kind::List;
            value.items = readList();
        } else {
            value.kind = FormValue::Kind::Identifier;
            value.text = readIdentifier();
        }
        return value;
    }

    // 'quoted' pieces and #code characters, side by side or joined with "+"
    // at the end of a line.
    std::string readText()
    {
        std::string result;
        for (;;) {
            if (peek() == '\'') {
                ++at_;
                for (;;) {
                    if (at_ >= text_.size() || peek() == '\n')
                        throw error("a text is not closed");
                    char c = text_[at_++];
                    if (c == '\'') {
                        if (peek() != '\'')
                            break;
                        ++at_;
                    }
                    result += c;
                }
            } else if (peek() == '#') {
                ++at_;
                long long code = readNumber();
                if (code < 0 || code > 255)
                    throw error("a character code must be from 0 to 255");
                result += static_cast<char>(code);
            } else {
                break;
            }
            skipSpaces();
            if (peek() == '+') {
                ++at_;
                skipBlank();
                if (peek() != '\'' && peek() != '#')
                    throw error("a text was expected after '+'");
            }
        }
        return result;
    }

    long long readNumber()
    {
        bool negative = false;
        if (peek() == '-') {
            negative = true;
            ++at_;
        }
        int base = 10;
        if (peek() == '$') {
            base = 16;
            ++at_;
        }
        std::string::size_type start = at_;
        long long number = 0;
        while (std::isxdigit(static_cast<unsigned char>(peek()))) {
            char c = peek();
            int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
            if (digit >= base)
                break;
            number = number * base + digit;
            if (number > 0xFFFFFFFFLL)
                throw error("a number is too large");
            ++at_;
        }
        if (at_ == start)
            throw error("a number was expected");
        return negative ? -number : number;
    }

    std::vector<std::string> readSet()
    {
        std::vector<std::string> items;
        ++at_;
        skipSpaces();
        while (peek() != ']') {
            items.push_back(readIdentifier());
            skipSpaces();
            if (peek() == ',') {
                ++at_;
                skipSpaces();
            } else if (peek() != ']') {
                throw error("',' or ']' was expected");
            }
        }
        ++at_;
        return items;
    }

    std::vector<std::string> readList()
    {
        std::vector<std::string> items;
        ++at_;
        for (;;) {
            skipBlank();
            if (peek() == ')') {
                ++at_;
                return items;
            }
            if (peek() != '\'' && peek() != '#')
                throw error("a text or ')' was expected");
            items.push_back(readText());
        }
    }

    const std::string& text_;
    const std::string& formName_;
    std::string::size_type at_ = 0;
    int line_ = 1;
};

} // namespace

const std::string& FormValue::AsText() const
{
    if (kind != Kind::Text)
        throw wrongKind("a quoted text was");
    return text;
}

int FormValue::AsInt() const
{
    if (kind != Kind::Number)
        throw wrongKind("a whole number was");
    return static_cast<int>(number);
}

const std::string& FormValue::AsIdentifier() const
{
    if (kind != Kind::Identifier)
        throw wrongKind("a name was");
    return text;
}

bool FormValue::AsBool() const
{
    if (kind == Kind::Identifier && text == "True")
        return true;
    if (kind == Kind::Identifier && text == "False")
        return false;
    throw wrongKind("True or False was");
}

const std::vector<std::string>& FormValue::AsSet() const
{
    if (kind != Kind::Set)
        throw wrongKind("a set such as [fsBold] was");
    return items;
}

const std::vector<std::string>& FormValue::AsList() const
{
    if (kind != Kind::List)
        throw wrongKind("a list of texts was");
    return items;
}

FormObject ReadFormDescription(const std::string& text, const std::string& formName)
{
    return Parser(text, formName).ReadRoot();
}

EFormError FormErrorAt(const std::string& formName, int line, const std::string& what)
{
    return EFormError(formName + ".form, line " + std::to_string(line) + ": " + what);
}

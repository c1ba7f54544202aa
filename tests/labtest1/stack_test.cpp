// Dialogues of the stack-behind-a-menu family.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "dialogue.hpp"

namespace {

using dialogue::Case;

// A message that shows an element: the text before it and the text after it.
struct Shown {
    std::string before;
    std::string after;
    bool silent = false;  // nothing is printed at all
    [[nodiscard]] std::string with(int value) const {
        return silent ? "" : before + std::to_string(value) + after;
    }
};

// How a member ends when a Push meets a full stack.
enum class AtOverflow { goes_on, ends };

// Every text a member prints in the common scripts.
struct Texts {
    std::string member;
    std::string size;       // the size prompt
    std::string menu;       // everything printed before an option is read
    std::string push;       // printed before the value is read
    std::string overflow;   // printed for a Push on a full stack (and whatever ends the run)
    Shown pop;
    std::string underflow;
    Shown top;
    std::string no_data;
    AtOverflow at_overflow = AtOverflow::goes_on;
    bool value_first = false;  // Push reads its value before it looks at the stack
};

// The size prompt, then the menu before each reaction in turn.
std::string transcript(const Texts& t, std::initializer_list<std::string> reactions) {
    std::string out = t.size;
    for (const std::string& r : reactions) out += t.menu + r;
    return out;
}

const std::vector<Texts>& members() {
    static const std::vector<Texts> all = {
        {"stack02", "Enter stack size (not more than 1000): ", "Press 1->Push, 2->Pop, 3->Top, 4->Quit\nEnter option: ",
         "Enter value: ", "Stack overflow.\n", {"Removed element: ", "\n"}, "Stack underflow.\n",
         {"Stack top element: ", "\n"}, "No data.\n"},
        {"stack03", "enter the stack size n: ", "press 1- push, press 2- pop, press 3- top\nenter the option",
         "enter value\n", "stack overflow\n", {"remove element: ", ""}, "stack underflow\n", {"top element: ", "\n"},
         "no data\n"},
        {"stack04", "Enter Stack size n: ", "PRESS 1 -> Push, 2-> Pop, 3-> Top\nEnter option: ", "Enter  value: ",
         "Stack overflow\n", {"Removed element: ", "\n"}, "Stack Underflow\n", {"Stack Top element: ", "\n"},
         "No Data\n"},
        {"stack05", " Enter the stack size:\n", "Press 1->Push,2->Pop, 3->Top\n Enter option:\n", "Enter value:",
         "Stack Overflow", {" Removed element:", "\n"}, "Stack underflow", {"stack Top element:", "\n"}, "No Data"},
        {"stack06", "Enter the stack size value\n", "press 1-push,press 2-pop,press 3-top \nEnter option: ",
         "enter value:", "stack overflow\n", {"removed element:", "\n"}, "stack underflow\n",
         {"stack top element:", "\n"}, "no data \n"},
        {"stack07", "Enter Stack size n:", "press 1->Push, 2->pop , 3->Top\nEnter option:", "Enter value:",
         "stack overlow\nstack: 5 7 \n", {"removed element:", "\n"}, "stack underflow\n",
         {"stack top element:", "\n"}, "No data\n", AtOverflow::ends},
        {"stack08", "Enter stack size \n", "PRESS 1->PUSH,2->POP,3->TOP \n", "Enter the value \n",
         "Enter the value \nStack overflow \n", {"", "", true}, "Stack underflow \n", {"Stack top element ", " \n"},
         "No Data \n", AtOverflow::goes_on, true},
        {"stack09", "Enter Stack size n: ", "Enter 1 -> Push, 2-> Pop,3-> Top \nEnter option: ", "Enter value: ",
         "Stack overflow \n", {"Removed Element: ", " \n"}, "Stack Underflow \n", {"Stack top element: ", " \n"},
         "No Data \n"},
        {"stack10", "Enter the stack size n:", "Press 1-> Push;2-> Pop;3-> Top;4-> stop loop\nEnter option:",
         "Enter value:", "Stack overflow\n", {"removed element:", "\n"}, "Stack underflow\n", {"Top element:", "\n"},
         "No Data\n"},
        {"stack11", "Enter Stack Size\n", "Press 1: Push\nPress 2: Pop\nPress 3: Top\n", "Enter value:\n",
         "Stack Overflow\n", {"Removed element: ", "\n"}, "Stack Underflow!\n", {"Top element: ", "\n"},
         "No data!!\n"},
        {"stack12", "enter stack size", "Press 1->Push, 2->pop,3-> Top", "enter value", "stack overflow\n",
         {"removed element : ", " "}, "stack underflow\n", {"stack top element : ", "\n"}, "no data\n"},
        {"stack13", "Enter Stack size n:", " press1->Push , press2->Pop , press3->Top \n Enter option :",
         "Enter value : ", "Stack Overflow \n", {"Removed Element is ", " "}, "Stack Underflow \n",
         {" Stack top element ", " "}, "No Data \n"},
        {"stack16", "Enter the Stack Size n:", "Press 1-> Push, 2-> Pop, 3->Top\nEnter option:", "Enter the value:",
         "Stack Overflow\n", {"Removed Element:", "\n"}, "Stack Underflow\n", {"Stack Top element:", "\n"},
         "No data\n", AtOverflow::ends},
        {"stack18", "Enter Stack size:", "Press 1->Push ; 2->Pop ; 3-> Top\nEnter option:", "Enter value:",
         "Stack overflow\n", {"Removed element=", "\n"}, "Stack Underflow\n", {"Stack Top Element=", "\n"},
         "No Data\n"},
        {"stack19", "enter stack size\n", "press 1->push,2->pop,3->top\nenter option\n", "enter value\n",
         "stack overflow\n", {"removed element ", " \n"}, "stack underflow\n", {"stack top element: ", " \n"},
         "no data\n", AtOverflow::ends},
        {"stack20", "Enter stack size n: ", "Press 1->Push, 2->Pop,3->Top\nEnter option: ", "Enter element: ",
         "Stack Overflow\n", {"Removed element: ", "\n"}, "Stack Underflow\n", {"Top element: ", "\n"}, "No Data\n",
         AtOverflow::ends},
        {"stack21", "Enter Stack size n: ", "Press 1 -> Push,2 -> Pop,3 -> Top,Press 4 -> Exit\nEnter option: ",
         "Enter value: ", "Stack overflow\n", {"Removed Element: ", "\n"}, "Stack Underflow\n",
         {"Stack Top Element: ", "\n"}, "No Data\n"},
        {"stack22", "\n Enter stack size: ", "\n Press 1-> Push, 2-> Pop, 3-> TopEnter option: ", "Enter value:",
         " Stack Overflow", {"", ""}, "\nStack Underflow", {"", ""}, "\n No data"},
        {"stack23", "Enter Stack size n:", "Press 1->Push,2->Pop,3->Top\nEnter option:", "Enter value",
         "stack overflow\n", {"Removed element:", "\n"}, "Stack Underflow\n", {"Stack top element:", "\n"},
         "No data\n", AtOverflow::ends},
        {"stack24", "Enter stack size : ", "Press 1 -> Push , 2 -> Pop , 3->Top\nEnter option : ", "Enter value : ",
         "Enter value : Stack Overflow\n", {"Removed Element : ", "\n"}, "Stack Underflow\n",
         {"Stack Top element : ", "\n"}, "No Data\n", AtOverflow::ends, true},
        {"stack26", "Enter Stack size n:", "Press 1 -> Push, 2 -> Pop, 3 -> Top\nEnter option:", "Enter value:",
         "Stack overflow\n", {"Removed Element: ", " \n"}, "Stack Underflow\n", {"Stack Top Element: ", " \n"},
         "No Data"},
        {"stack27", "Enter Stack size : ", "Press 1-> Push, 2-> Pop, 3-> Top\nEnter option : ", "Enter value : ",
         "Stack overflow\n", {"Removed element : ", "\n"}, "Stack Underflow\n", {"Stack Top Element : ", "\n"},
         "No Data\n"},
        {"stack28", "Enter the stack size n:press option as 4 to exit", "Press 1->Push,2->Pop,3->Top\nEnter option:",
         "enter value:", "stack overflow\n", {"removed element:", "\n"}, "stack underflow\n",
         {"Stack Top element:", "\n"}, "no data\n"},
    };
    return all;
}

// n = 2: Push 5, Push 7, Top twice, Pop three times, Top; then the input ends at the
// menu, which ends the program quietly.
std::vector<Case> last_in_first_out() {
    std::vector<Case> cases;
    for (const Texts& t : members())
        cases.push_back({t.member + "_last_in_first_out", t.member, "2\n1\n5\n1\n7\n3\n3\n2\n2\n2\n3\n",
                         transcript(t, {t.push, t.push, t.top.with(7), t.top.with(7), t.pop.with(7), t.pop.with(5),
                                        t.underflow, t.no_data, ""})});
    return cases;
}

// n = 2: the third Push meets a full stack; where the menu goes on, Top shows that the
// stack kept its two elements.
std::vector<Case> overflow() {
    std::vector<Case> cases;
    for (const Texts& t : members()) {
        const std::string third_push = t.value_first ? "1\n9\n" : "1\n";
        Case c{t.member + "_overflow_after_n_pushes", t.member, "2\n1\n5\n1\n7\n" + third_push + "3\n", ""};
        c.out = t.at_overflow == AtOverflow::ends ? transcript(t, {t.push, t.push, t.overflow})
                                                  : transcript(t, {t.push, t.push, t.overflow, t.top.with(7), ""});
        cases.push_back(c);
    }
    return cases;
}

class Stack : public ::testing::TestWithParam<Case> {};
TEST_P(Stack, MatchesDialogue) { dialogue::check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Operations, Stack, ::testing::ValuesIn(last_in_first_out()), dialogue::CaseName{});
INSTANTIATE_TEST_SUITE_P(Overflow, Stack, ::testing::ValuesIn(overflow()), dialogue::CaseName{});

// Texts of the members with a dialogue of their own.
const std::string m01 = "\nPress 1->Push,2->Pop,3-Top\nEnter option: ";
const std::string m02 = "Press 1->Push, 2->Pop, 3->Top, 4->Quit\nEnter option: ";
const std::string s02 = "Enter stack size (not more than 1000): ";
const std::string m15 = "Press 1->Push, 2->Pop, -> 3->Top\nEnter option:";
const std::string m17 = "\nPress 1->Push, 2->Pop, 3->Top\nEnter Option:";
const std::string q17 = "\nTo continue, press 1, else press 0\n";
const std::string m25 = "Press 1->Push,Press 2->Pop,Press 3->Top";

using dialogue::repeat;

// Ways of ending, odd options and reactions of single members.
const std::string s14 = "enter n: enter elements: enter choice ch\n";
INSTANTIATE_TEST_SUITE_P(OwnWays, Stack, ::testing::Values(
    // stack01 ends at its first overflow, underflow or no-data message, or an option off the menu.
    Case{"s01_lifo_until_underflow", "stack01", "2\n1\n5\n1\n7\n3\n2\n2\n2\n3\n",
         "\nEnter Stack size:" + m01 + "\nEnter value: " + m01 + "\nEnter value: " + m01 + "\nStack Top element:7" +
             m01 + "\nRemoved element: 7" + m01 + "\nRemoved element: 5" + m01 + "\nStack underflow"},
    Case{"s01_no_data_ends", "stack01", "3\n3\n1\n", "\nEnter Stack size:" + m01 + "\nNo data"},
    Case{"s01_overflow_ends", "stack01", "1\n1\n4\n1\n3\n", "\nEnter Stack size:" + m01 + "\nEnter value: " + m01 +
                                                               "\nStack overflow"},
    Case{"s01_other_option_ends", "stack01", "1\n4\n1\n", "\nEnter Stack size:" + m01},
    // stack02: the size is asked again outside 0 to 1000; 0 makes every Push overflow.
    Case{"s02_size_asked_again", "stack02", "-1\n1001\n1\n4\n",
         s02 + "Enter valid stack size.\n" + s02 + "Enter valid stack size.\n" + s02 + m02 + "Bye!\n"},
    Case{"s02_size_zero_always_full", "stack02", "0\n1\n1\n4\n", s02 + m02 + "Stack overflow.\n" + m02 +
                                                                  "Stack overflow.\n" + m02 + "Bye!\n"},
    Case{"s02_size_thousand", "stack02", "1000\n1\n8\n3\n4\n",
         s02 + m02 + "Enter value: " + m02 + "Stack top element: 8\n" + m02 + "Bye!\n"},
    Case{"s02_other_option_and_quit", "stack02", "1\n0\n4\n1\n", s02 + m02 + "Enter valid option.\n" + m02 + "Bye!\n"},
    // stack03 ends at once for a size of 0 or below; other options are ignored.
    Case{"s03_size_zero_ends", "stack03", "0\n1\n5\n", "enter the stack size n: "},
    Case{"s03_negative_size_ends", "stack03", "-3\n1\n", "enter the stack size n: "},
    Case{"s03_other_option_ignored", "stack03", "1\n9\n3\n",
         "enter the stack size n: press 1- push, press 2- pop, press 3- top\nenter the option"
         "press 1- push, press 2- pop, press 3- top\nenter the optionno data\n"
         "press 1- push, press 2- pop, press 3- top\nenter the option"},
    Case{"s04_option_four_ends", "stack04", "3\n1\n6\n4\n3\n",
         "Enter Stack size n: PRESS 1 -> Push, 2-> Pop, 3-> Top\nEnter option: Enter  value: "
         "PRESS 1 -> Push, 2-> Pop, 3-> Top\nEnter option: "},
    Case{"s04_option_zero_ends", "stack04", "3\n0\n", "Enter Stack size n: PRESS 1 -> Push, 2-> Pop, 3-> Top\nEnter option: "},
    Case{"s05_other_option_ignored", "stack05", "1\n4\n3\n", " Enter the stack size:\n" +
         repeat("Press 1->Push,2->Pop, 3->Top\n Enter option:\n", 2) + "No Data" + "Press 1->Push,2->Pop, 3->Top\n Enter option:\n"},
    // stack07: a Top right after a Pop shows the element now on top.
    Case{"s07_top_after_pop", "stack07", "3\n1\n5\n1\n7\n2\n3\n",
         "Enter Stack size n:" + repeat("press 1->Push, 2->pop , 3->Top\nEnter option:Enter value:", 2) +
             "press 1->Push, 2->pop , 3->Top\nEnter option:removed element:7\n"
             "press 1->Push, 2->pop , 3->Top\nEnter option:stack top element:5\n"
             "press 1->Push, 2->pop , 3->Top\nEnter option:"},
    Case{"s07_invalid_option", "stack07", "1\n5\n", "Enter Stack size n:press 1->Push, 2->pop , 3->Top\nEnter option:"
                                                    "invalid option\npress 1->Push, 2->pop , 3->Top\nEnter option:"},
    Case{"s07_listing_after_pops", "stack07", "1\n1\n4\n2\n1\n6\n1\n",
         "Enter Stack size n:" + repeat("press 1->Push, 2->pop , 3->Top\nEnter option:Enter value:", 1) +
             "press 1->Push, 2->pop , 3->Top\nEnter option:removed element:4\n" +
             repeat("press 1->Push, 2->pop , 3->Top\nEnter option:Enter value:", 1) +
             "press 1->Push, 2->pop , 3->Top\nEnter option:stack overlow\nstack: 6 \n"},
    // stack08: Pop prints nothing and Top then shows the new top.
    Case{"s08_silent_pop", "stack08", "3\n1\n5\n1\n7\n2\n3\n",
         "Enter stack size \n" + repeat("PRESS 1->PUSH,2->POP,3->TOP \nEnter the value \n", 2) +
             repeat("PRESS 1->PUSH,2->POP,3->TOP \n", 2) + "Stack top element 5 \nPRESS 1->PUSH,2->POP,3->TOP \n"},
    Case{"s09_invalid_option", "stack09", "1\n5\n", "Enter Stack size n: Enter 1 -> Push, 2-> Pop,3-> Top \nEnter option: "
                                                    "Enter valid option \nEnter 1 -> Push, 2-> Pop,3-> Top \nEnter option: "},
    Case{"s10_invalid_option_then_stop", "stack10", "1\n7\n4\n3\n",
         "Enter the stack size n:Press 1-> Push;2-> Pop;3-> Top;4-> stop loop\nEnter option:Enter option (1-4)\n"
         "Press 1-> Push;2-> Pop;3-> Top;4-> stop loop\nEnter option:"},
    // stack14 serves one choice on the stack of the elements typed, then ends.
    Case{"s14_push_then_ends", "stack14", "3\n4 5 6\n1\n9\n3\n", s14 + "enter value\n"},
    Case{"s14_pop_removes_last_typed", "stack14", "3\n4 5 6\n2\n", s14 + "6\n"},
    Case{"s14_top", "stack14", "2\n4 5\n3\n", s14 + "5\n"},
    Case{"s14_pop_on_empty", "stack14", "0\n2\n", s14 + "stack underflow\n"},
    Case{"s14_top_on_empty", "stack14", "0\n3\n", s14 + "no data\n"},
    Case{"s14_push_on_full", "stack14", "10\n1 2 3 4 5 6 7 8 9 10\n1\n", s14 + "stack overflow\n"},
    Case{"s14_other_choice_does_nothing", "stack14", "1\n4\n7\n", s14},
    Case{"s14_end_of_input_at_choice", "stack14", "1\n4\n", s14},
    Case{"s14_letters_at_choice_ask_again", "stack14", "1\n4\nx\n3\n", s14 + "enter choice ch\n4\n", 0,
         "expected a whole number"},
    // stack15 offers its menu n + 1 times.
    Case{"s15_three_menus_for_two", "stack15", "2\n1\n5\n1\n7\n1\n3\n",
         "Enter the size of array:" + m15 + "Enter Value:" + m15 + "Enter Value:" + m15 + "Stack Overflow"},
    Case{"s15_lifo_in_six_menus", "stack15", "5\n1\n5\n1\n7\n3\n2\n2\n2\n3\n",
         "Enter the size of array:" + m15 + "Enter Value:" + m15 + "Enter Value:" + m15 + "Stack Top Element: 7\n" +
             m15 + "removed element = 7\n" + m15 + "removed element = 5\n" + m15 + "stack underflow\n"},
    Case{"s15_other_options_count", "stack15", "1\n8\n9\n3\n", "Enter the size of array:" + m15 + m15},
    // stack17 goes on only when the answer is 1.
    Case{"s17_lifo", "stack17", "2\n1\n5\n1\n1\n7\n1\n1\n1\n3\n1\n2\n1\n2\n1\n2\n1\n3\n0\n",
         "Enter Stack Size n:" + m17 + "\nEnter Value:" + q17 + m17 + "\nEnter Value:" + q17 + m17 +
             "\nStack Overflow" + q17 + m17 + "\nStack Top Element:7" + q17 + m17 + "\nRemoved Element = 7" + q17 +
             m17 + "\nRemoved Element = 5" + q17 + m17 + "\nStack Underflow" + q17 + m17 + "\nNo Data" + q17},
    Case{"s17_answer_two_ends", "stack17", "2\n5\n2\n3\n", "Enter Stack Size n:" + m17 + "\nIncorrect Input" + q17},
    Case{"s17_letters_ask_again", "stack17", "2\n3\nyes\n1\n3\n0\n",
         "Enter Stack Size n:" + m17 + "\nNo Data" + q17 + q17 + m17 + "\nNo Data" + q17, 0, "expected a whole number"},
    // stack18: a refused Pop counts for nothing.
    Case{"s18_refused_pop_not_counted", "stack18", "1\n2\n1\n4\n3\n1\n",
         "Enter Stack size:Press 1->Push ; 2->Pop ; 3-> Top\nEnter option:Stack Underflow\n"
         "Press 1->Push ; 2->Pop ; 3-> Top\nEnter option:Enter value:Press 1->Push ; 2->Pop ; 3-> Top\nEnter option:"
         "Stack Top Element=4\nPress 1->Push ; 2->Pop ; 3-> Top\nEnter option:Stack overflow\n"
         "Press 1->Push ; 2->Pop ; 3-> Top\nEnter option:"},
    Case{"s20_invalid_choice", "stack20", "1\n0\n", "Enter stack size n: Press 1->Push, 2->Pop,3->Top\nEnter option: "
                                                    "Invalid Choice\nPress 1->Push, 2->Pop,3->Top\nEnter option: "},
    // stack21 reads the size again, without a prompt, while it is 0 or below.
    Case{"s21_size_read_again", "stack21", "0\n-3\n4\n5\n4\n3\n",
         "Enter Stack size n: Press 1 -> Push,2 -> Pop,3 -> Top,Press 4 -> Exit\nEnter option: Enter correct choice"
         "Press 1 -> Push,2 -> Pop,3 -> Top,Press 4 -> Exit\nEnter option: "},
    // stack22: its empty-place mark is an ordinary value once pushed.
    Case{"s22_mark_value_pushed", "stack22", "2\n1\n-100002\n3\n2\n3\n",
         "\n Enter stack size: " + repeat("\n Press 1-> Push, 2-> Pop, 3-> TopEnter option: ", 1) + "Enter value:" +
             "\n Press 1-> Push, 2-> Pop, 3-> TopEnter option: -100002" +
             "\n Press 1-> Push, 2-> Pop, 3-> TopEnter option: -100002" +
             "\n Press 1-> Push, 2-> Pop, 3-> TopEnter option: \n No data" +
             "\n Press 1-> Push, 2-> Pop, 3-> TopEnter option: "},
    // stack25 offers its menu 4 x n times; a reply that is not a number does not count.
    Case{"s25_four_menus_for_one", "stack25", "1\n1\n3\n3\n2\n3\n",
         "enter stack size n:" + m25 + "enter value:" + m25 + "3" + m25 + "Removed element:3" + m25 + "No Data"},
    Case{"s25_letters_not_counted", "stack25", "1\nx\n3\n3\n3\n3\n3\n",
         "enter stack size n:" + repeat(m25, 2) + repeat("No Data" + m25, 3) + "No Data", 0, "expected a whole number"},
    Case{"s25_overflow_goes_on", "stack25", "1\n1\n6\n1\n3\n9\n",
         "enter stack size n:" + m25 + "enter value:" + m25 + "stack overflow" + m25 + "6" + m25},
    Case{"s26_option_four_ends_others_ignored", "stack26", "1\n5\n4\n3\n",
         "Enter Stack size n:" + repeat("Press 1 -> Push, 2 -> Pop, 3 -> Top\nEnter option:", 2)},
    Case{"s27_other_option_ends", "stack27", "1\n0\n3\n", "Enter Stack size : Press 1-> Push, 2-> Pop, 3-> Top\nEnter option : "},
    // stack28: a pushed 0 looks like an empty place.
    Case{"s28_pushed_zero_looks_empty", "stack28", "3\n1\n0\n3\n2\n4\n3\n",
         "Enter the stack size n:press option as 4 to exitPress 1->Push,2->Pop,3->Top\nEnter option:enter value:"
         "Press 1->Push,2->Pop,3->Top\nEnter option:no data\nPress 1->Push,2->Pop,3->Top\nEnter option:stack underflow\n"
         "Press 1->Push,2->Pop,3->Top\nEnter option:"},
    // n = 3 with 5, 0, 7 pushed: after 7 is popped the 0 hides the 5, which still
    // takes its place, so one more Push fills the stack.
    Case{"s28_zero_hides_elements_below", "stack28", "3\n1\n5\n1\n0\n1\n7\n1\n2\n3\n1\n9\n1\n",
         "Enter the stack size n:press option as 4 to exit" +
             repeat("Press 1->Push,2->Pop,3->Top\nEnter option:enter value:", 3) +
             "Press 1->Push,2->Pop,3->Top\nEnter option:stack overflow\n"
             "Press 1->Push,2->Pop,3->Top\nEnter option:removed element:7\n"
             "Press 1->Push,2->Pop,3->Top\nEnter option:no data\n"
             "Press 1->Push,2->Pop,3->Top\nEnter option:enter value:"
             "Press 1->Push,2->Pop,3->Top\nEnter option:stack overflow\n"
             "Press 1->Push,2->Pop,3->Top\nEnter option:"}),
    dialogue::CaseName{});

// The input policy: letters at the menu are reported and the menu comes again; the end
// of input after a prompt for a value ends the run with status 1; sizes that the
// storage cannot hold are refused.
const std::string m10 = "Press 1-> Push;2-> Pop;3-> Top;4-> stop loop\nEnter option:";
INSTANTIATE_TEST_SUITE_P(Policy, Stack, ::testing::Values(
    Case{"s02_letters_at_menu", "stack02", "2\nabc\n3\n4\n", s02 + m02 + m02 + "No data.\n" + m02 + "Bye!\n", 0,
         "expected a whole number"},
    Case{"s02_huge_option_at_menu", "stack02", "2\n99999999999\n4\n", s02 + m02 + m02 + "Bye!\n", 0,
         "expected a whole number from -2147483648 to 2147483647"},
    Case{"s08_letters_at_menu", "stack08", "1\nx\n3\n",
         "Enter stack size \n" + repeat("PRESS 1->PUSH,2->POP,3->TOP \n", 2) + "No Data \nPRESS 1->PUSH,2->POP,3->TOP \n",
         0, "expected a whole number"},
    Case{"s02_input_ends_at_value", "stack02", "2\n1\n", s02 + m02 + "Enter value: ", 1,
         "expected a whole number, found the end of input"},
    Case{"s24_letters_for_value", "stack24", "2\n1\nten\n", "Enter stack size : Press 1 -> Push , 2 -> Pop , 3->Top\n"
                                                            "Enter option : Enter value : ", 1, "expected a whole number"},
    Case{"s17_input_ends_at_question", "stack17", "2\n3\n", "Enter Stack Size n:" + m17 + "\nNo Data" + q17},
    Case{"s19_input_ends_at_size", "stack19", "", "enter stack size\n", 1, "found the end of input"},
    // A size of 0 is a stack that is full and empty at once.
    Case{"s10_size_zero", "stack10", "0\n1\n2\n3\n4\n",
         "Enter the stack size n:" + m10 + "Stack overflow\n" + m10 + "Stack underflow\n" + m10 + "No Data\n" + m10},
    Case{"s01_size_zero_ends_at_overflow", "stack01", "0\n1\n",
         "\nEnter Stack size:\nPress 1->Push,2->Pop,3-Top\nEnter option: \nStack overflow"},
    Case{"s07_size_zero_lists_nothing", "stack07", "0\n1\n",
         "Enter Stack size n:press 1->Push, 2->pop , 3->Top\nEnter option:stack overlow\nstack: \n"},
    Case{"s23_size_zero", "stack23", "0\n1\n", "Enter Stack size n:Press 1->Push,2->Pop,3->Top\nEnter option:stack overflow\n"},
    Case{"s25_size_zero_offers_no_menu", "stack25", "0\n", "enter stack size n:"},
    Case{"s01_size_above_ten", "stack01", "11\n", "\nEnter Stack size:", 1, "n must be from 0 to 10"},
    Case{"s05_size_above_hundred", "stack05", "101\n", " Enter the stack size:\n", 1, "n must be from 0 to 100"},
    Case{"s07_size_twenty", "stack07", "20\n", "Enter Stack size n:", 1, "n must be from 0 to 19"},
    Case{"s09_negative_size", "stack09", "-1\n", "Enter Stack size n: ", 1, "n must be from 0 to 100"},
    Case{"s10_size_above_hundred", "stack10", "101\n", "Enter the stack size n:", 1, "n must be from 0 to 100"},
    Case{"s14_size_above_ten", "stack14", "11\n", "enter n: ", 1, "n must be from 0 to 10"},
    Case{"s23_size_above_fifty", "stack23", "51\n", "Enter Stack size n:", 1, "n must be from 0 to 50"},
    Case{"s25_size_above_ten", "stack25", "11\n", "enter stack size n:", 1, "n must be from 0 to 10"},
    Case{"s27_size_above_hundred", "stack27", "101\n", "Enter Stack size : ", 1, "n must be from 0 to 100"},
    Case{"s06_size_zero", "stack06", "0\n", "Enter the stack size value\n", 1, "n must be from 1 to 1000000"},
    Case{"s28_size_zero", "stack28", "0\n", "Enter the stack size n:", 1, "n must be from 1 to 1000000"},
    Case{"s11_size_above_million", "stack11", "1000001\n", "Enter Stack Size\n", 1, "n must be from 1 to 1000000"},
    Case{"s03_size_above_million", "stack03", "1000001\n", "enter the stack size n: ", 1, "n must be from 1 to 1000000"},
    Case{"s21_size_above_million", "stack21", "0\n1000001\n", "Enter Stack size n: ", 1, "n must be from 1 to 1000000"}),
    dialogue::CaseName{});

}  // namespace

#pragma once
// Creates every window of the program, once each, hidden, in their fixed order.
void CreateWindowSet();

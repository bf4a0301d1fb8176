#pragma once
// Registers the customer windows under their names: the customer window "TfmCust", the customer list
// "TfmCustlist", the pick list "TfmFindCustlist", and the address lookup "TfmZip" that they use.
void registerCustomerWindows();

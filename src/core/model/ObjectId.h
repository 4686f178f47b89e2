#pragma once

#include <QString>

// A fresh identity: a GUID as 38 characters, braces and upper-case hexadecimal digits.
QString NewObjectID();

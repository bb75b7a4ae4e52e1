#pragma once

#include <QString>

namespace tarvo {

// The folder of the running program, or TARVO_HOME when that is set (tests and
// installed copies use it). Holds ConSQL.ini, Data/, report/, help/ and the rest.
QString programFolder();

} // namespace tarvo

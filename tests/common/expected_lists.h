/* What the list box should hold, worked out from the catalogue's strings independently of the
   program's own walker: shared by the in-process and the end-to-end tests. */
#ifndef ZORAVEL_TEST_EXPECTED_LISTS_H
#define ZORAVEL_TEST_EXPECTED_LISTS_H

#include "catalogue/catalogue.h"

#include <stdlib.h>

#include <string>
#include <vector>

/* The elements of a list string, each ended by ';'. */
inline std::vector<std::string> ListElements(const char *list)
{
    std::vector<std::string> elements;
    std::string element;
    for (const char *p = list; *p; ++p) {
        if (*p == ';') {
            elements.push_back(element);
            element.clear();
        } else {
            element += *p;
        }
    }
    return elements;
}

/* TM labels, the 34-hyphen separator, then HM labels (the separator last when there is no divider). */
inline std::vector<std::string> ExpectedMachineLines(const char *machineList)
{
    const std::string separator(34, '-');
    std::vector<std::string> lines;
    bool hmPart = false;
    for (const std::string &element : ListElements(machineList)) {
        if (element == "-") {
            hmPart = true;
            lines.push_back(separator);
        } else {
            lines.push_back(hmPart ? hmLabel[atoi(element.c_str())] : tmLabel[atoi(element.c_str())]);
        }
    }
    if (!hmPart)
        lines.push_back(separator);
    return lines;
}

#endif

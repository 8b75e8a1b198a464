#include "hypocenter_reading.h"

#include "read_number.h"

int readHypocenters(std::istream& in, Hypocenters& h) {
    h.nh = 0;
    for (int j = 0; j < MAX_HYPOCENTERS; ++j) {
        if (!readReal(in, h.hx[j]) || !readReal(in, h.hy[j]) || !readReal(in, h.hz[j])) break;
        h.nh = j + 1;
    }
    return h.nh;
}

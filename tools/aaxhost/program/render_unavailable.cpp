// aaxhost render in a build without libsndfile: it says so instead of rendering.
#include "tools/aaxhost/program/program.h"

namespace aaxhost {

int RenderCommand(const Options&, std::ostream&, std::ostream& err) {
    err << "aaxhost: render needs a build with libsndfile for its audio files; this build has "
           "none (describe, state and validate work)\n";
    return kExitFailure;
}

}  // namespace aaxhost

#pragma once
// The compiled-in gazetteer index (GazetteerFormat.h), from quorvis_gazetteer_index up to (not including)
// quorvis_gazetteer_index_end.
extern "C" {
extern const unsigned char quorvis_gazetteer_index[];
extern const unsigned char quorvis_gazetteer_index_end[];
}

#pragma once
// The compiled-in gazetteer index (GazetteerFormat.h): [quorvis_gazetteer_index, quorvis_gazetteer_index_end).
extern "C" {
extern const unsigned char quorvis_gazetteer_index[];
extern const unsigned char quorvis_gazetteer_index_end[];
}

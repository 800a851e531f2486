/* Preloaded into the POSIX disclist by the listing comparison (check-listing): every directory
 * that the process reads yields its entries in name order, compared as Windows file systems
 * and Wine compare names (ASCII letters folded to upper case, then byte by byte), instead of
 * the file system's own order. The Windows build scans in that order under Wine, so both
 * builds then see the same scan order and must print the same listing.
 *
 * A stream is read to the end when it is opened; readdir then hands out the sorted copies.
 * Only what disclist uses is covered: one thread, opendir or fdopendir, readdir, closedir. */
#define _GNU_SOURCE
#include <dirent.h>
#include <dlfcn.h>
#include <stdlib.h>
#include <string.h>

struct OrderedDirectory {
    DIR *stream;
    struct dirent *entries;
    size_t count;
    size_t next;
    struct OrderedDirectory *link;
};

static struct OrderedDirectory *openDirectories;

static int upper(unsigned char c) {
    return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

static int compareNames(const void *a, const void *b) {
    const unsigned char *x = (const unsigned char *)((const struct dirent *)a)->d_name;
    const unsigned char *y = (const unsigned char *)((const struct dirent *)b)->d_name;
    size_t i;
    for (i = 0; x[i] || y[i]; ++i)
        if (upper(x[i]) != upper(y[i])) return upper(x[i]) - upper(y[i]);
    return strcmp((const char *)x, (const char *)y);
}

static void *next(const char *name) {
    return dlsym(RTLD_NEXT, name);
}

static DIR *ordered(DIR *stream) {
    struct dirent *(*realReaddir)(DIR *) = (struct dirent * (*)(DIR *)) next("readdir");
    struct OrderedDirectory *directory;
    struct dirent *entry;
    size_t capacity = 16;
    if (!stream) return stream;
    directory = calloc(1, sizeof *directory);
    if (!directory) abort();
    directory->stream = stream;
    directory->entries = malloc(capacity * sizeof *directory->entries);
    if (!directory->entries) abort();
    while ((entry = realReaddir(stream)) != NULL) {
        if (directory->count == capacity) {
            capacity *= 2;
            directory->entries = realloc(directory->entries, capacity * sizeof *entry);
            if (!directory->entries) abort();
        }
        directory->entries[directory->count++] = *entry;
    }
    qsort(directory->entries, directory->count, sizeof *directory->entries, compareNames);
    directory->link = openDirectories;
    openDirectories = directory;
    return stream;
}

static struct OrderedDirectory *find(DIR *stream) {
    struct OrderedDirectory *directory;
    for (directory = openDirectories; directory; directory = directory->link)
        if (directory->stream == stream) return directory;
    return NULL;
}

DIR *opendir(const char *name) {
    DIR *(*real)(const char *) = (DIR * (*)(const char *)) next("opendir");
    return ordered(real(name));
}

DIR *fdopendir(int fd) {
    DIR *(*real)(int) = (DIR * (*)(int)) next("fdopendir");
    return ordered(real(fd));
}

struct dirent *readdir(DIR *stream) {
    struct OrderedDirectory *directory = find(stream);
    if (!directory) {
        struct dirent *(*real)(DIR *) = (struct dirent * (*)(DIR *)) next("readdir");
        return real(stream);
    }
    return directory->next < directory->count ? &directory->entries[directory->next++] : NULL;
}

/* On 64-bit glibc both calls return the same record. */
_Static_assert(sizeof(struct dirent) == sizeof(struct dirent64), "one record for both calls");

struct dirent64 *readdir64(DIR *stream) {
    return (struct dirent64 *)readdir(stream);
}

int closedir(DIR *stream) {
    int (*real)(DIR *) = (int (*)(DIR *))next("closedir");
    struct OrderedDirectory **at;
    for (at = &openDirectories; *at; at = &(*at)->link) {
        if ((*at)->stream == stream) {
            struct OrderedDirectory *directory = *at;
            *at = directory->link;
            free(directory->entries);
            free(directory);
            break;
        }
    }
    return real(stream);
}

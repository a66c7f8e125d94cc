# Sourced by the scripts that build and test. `read_jobs "$@"` reads their
# option -j JOBS and sets `jobs` to it, or else to CORVESSA_JOBS, or else to
# every core; it exports CORVESSA_JOBS, so the scripts they run build the
# same way. The caller then drops the options: shift $((OPTIND - 1)).
read_jobs() {
  local option
  OPTIND=1
  while getopts j: option; do
    case $option in
      j) CORVESSA_JOBS=$OPTARG ;;
      *) echo "usage: $(basename "$0") [-j JOBS]" >&2; exit 2 ;;
    esac
  done
  export CORVESSA_JOBS=${CORVESSA_JOBS:-$(nproc)}
  jobs=$CORVESSA_JOBS
  if ! [[ "$jobs" =~ ^[1-9][0-9]*$ ]]; then
    echo "$(basename "$0"): the job count must be a whole number from 1 on, not \"$jobs\"" >&2
    exit 2
  fi
}
